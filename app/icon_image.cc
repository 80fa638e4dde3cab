#include "app/icon_image.h"

#include <QMouseEvent>

namespace dunra {

IconImage::IconImage(const QPixmap& picture, QWidget* parent) : QLabel(parent) {
  setPixmap(picture);
  setFixedSize(picture.size());
  setMouseTracking(true);
}

void IconImage::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  emit MouseMoved();
}

void IconImage::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit MousePressed();
}

}  // namespace dunra
