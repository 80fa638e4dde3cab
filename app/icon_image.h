// A fixed picture that reports mouse moves (with no button held too) and
// presses of any button.
#ifndef DUNRA_APP_ICON_IMAGE_H_
#define DUNRA_APP_ICON_IMAGE_H_

#include <QLabel>
#include <QPixmap>

namespace dunra {

class IconImage : public QLabel {
  Q_OBJECT

 public:
  // Takes the picture's size.
  IconImage(const QPixmap& picture, QWidget* parent);

 signals:
  void MouseMoved();
  void MousePressed();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace dunra

#endif  // DUNRA_APP_ICON_IMAGE_H_
