// ReportMemo over the window's QPlainTextEdit.
#ifndef DUNRA_APP_QT_REPORT_MEMO_H_
#define DUNRA_APP_QT_REPORT_MEMO_H_

#include "platform/report_memo.h"

class QPlainTextEdit;

namespace dunra {

class QtReportMemo : public ReportMemo {
 public:
  explicit QtReportMemo(QPlainTextEdit& memo) : memo_(memo) {}
  // The text is UTF-8; bytes that are not become replacement characters on
  // screen only.
  void SetTextStr(const std::string& text) override;

 private:
  QPlainTextEdit& memo_;
};

}  // namespace dunra

#endif  // DUNRA_APP_QT_REPORT_MEMO_H_
