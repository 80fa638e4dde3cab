// A ReportMemo for tests: keeps the text, or refuses it on demand as a
// control that cannot take it would.
#ifndef DUNRA_PLATFORM_FAKE_REPORT_MEMO_H_
#define DUNRA_PLATFORM_FAKE_REPORT_MEMO_H_

#include <stdexcept>
#include <string>

#include "platform/report_memo.h"

namespace dunra {

class FakeReportMemo : public ReportMemo {
 public:
  void SetTextStr(const std::string& new_text) override {
    if (refuse) throw std::runtime_error("the memo refused the text");
    text = new_text;
  }

  std::string text;
  bool refuse = false;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_REPORT_MEMO_H_
