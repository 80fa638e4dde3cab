// The memo that shows a command's report.
#ifndef DUNRA_PLATFORM_REPORT_MEMO_H_
#define DUNRA_PLATFORM_REPORT_MEMO_H_

#include <string>

namespace dunra {

class ReportMemo {
 public:
  virtual ~ReportMemo() = default;
  // Replaces the whole text; lines are separated by '\n'. Throws when the
  // control refuses the text.
  virtual void SetTextStr(const std::string& text) = 0;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_REPORT_MEMO_H_
