#include "app/banner_edit.h"

#include <QString>

namespace dunra {

BannerEdit::BannerEdit(QWidget* parent) : QLineEdit(parent) {
  setEnabled(false);
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
}

void BannerEdit::SetText(std::string_view text) {
  const QString new_text =
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (new_text == this->text()) return;
  setText(new_text);
  ++text_changes_;
}

}  // namespace dunra
