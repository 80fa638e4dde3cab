#include "app/qt_message_box.h"

#include <QMessageBox>
#include <QString>

namespace dunra {
namespace {

constexpr unsigned kButtonsMask = 0x0F;
constexpr unsigned kIconMask = 0xF0;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconWarning = 0x30;

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & kIconMask) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case kIconQuestion: return QMessageBox::Question;
    case kIconWarning: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ButtonsOf(unsigned flags) {
  if ((flags & kButtonsMask) == MB_OKCANCEL) {
    return QMessageBox::Ok | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

}  // namespace

int QtMessageBoxService::MessageBox(const std::string& text,
                                    const std::string& caption,
                                    unsigned flags) {
  QMessageBox box(IconOf(flags), QString::fromUtf8(caption),
                  QString::fromUtf8(text), ButtonsOf(flags));
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);  // paths are never markup
  return box.exec() == QMessageBox::Cancel ? IDCANCEL : IDOK;
}

}  // namespace dunra
