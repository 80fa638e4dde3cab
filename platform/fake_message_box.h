// A MessageBoxService for tests: records every box instead of showing it.
#ifndef DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_
#define DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_

#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace dunra {

class FakeMessageBox : public MessageBoxService {
 public:
  struct Box {
    std::string text;
    std::string caption;
    unsigned flags = 0;
    bool window_visible = false;  // what is_window_visible said at the box
  };

  int MessageBox(const std::string& text, const std::string& caption,
                 unsigned flags) override {
    shown.push_back(
        {text, caption, flags, is_window_visible ? is_window_visible() : false});
    return answer;
  }

  std::vector<Box> shown;
  int answer = 1;  // IDOK
  // Whether a window of the program is showing; set by tests that have one.
  std::function<bool()> is_window_visible;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_MESSAGE_BOX_H_
