// A MessageBoxService for tests: records every box instead of showing it.
#ifndef DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_
#define DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace dunra {

class FakeMessageBox : public MessageBoxService {
 public:
  struct Shown {
    std::string text;
    std::string caption;
    unsigned flags = 0;
  };

  int MessageBox(const std::string& text, const std::string& caption,
                 unsigned flags) override {
    shown.push_back({text, caption, flags});
    return answer;
  }

  std::vector<Shown> shown;
  int answer = 1;  // IDOK
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_
