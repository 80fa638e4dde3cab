#include "app/qt_report_memo.h"

#include <QPlainTextEdit>
#include <QString>

namespace dunra {

void QtReportMemo::SetTextStr(const std::string& text) {
  memo_.setPlainText(QString::fromUtf8(text));
}

}  // namespace dunra
