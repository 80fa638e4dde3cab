// The disabled edit box that shows the status banner.
#ifndef DUNRA_APP_BANNER_EDIT_H_
#define DUNRA_APP_BANNER_EDIT_H_

#include <QLineEdit>
#include <string_view>

namespace dunra {

class BannerEdit : public QLineEdit {
 public:
  explicit BannerEdit(QWidget* parent);

  // Replaces the whole text (ASCII or UTF-8); handed the text it already
  // shows, it changes nothing, so an unchanged frame costs no repaint.
  void SetText(std::string_view text);
  // How many times SetText changed the text.
  int text_changes() const { return text_changes_; }

 private:
  int text_changes_ = 0;
};

}  // namespace dunra

#endif  // DUNRA_APP_BANNER_EDIT_H_
