#include "app/dun_icon.h"

#include <QBuffer>

#include "app/icons/dun.xpm"

namespace dunra {

QImage DunIconImage() {
  return QImage(dun_icon_xpm).convertToFormat(QImage::Format_ARGB32);
}

std::vector<uint8_t> DunIconPng() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  DunIconImage().save(&buffer, "PNG");
  return {bytes.begin(), bytes.end()};
}

}  // namespace dunra
