// The ".dun" file type's icon: a page of runs squeezed from both sides.
#ifndef DUNRA_APP_DUN_ICON_H_
#define DUNRA_APP_DUN_ICON_H_

#include <QImage>
#include <cstdint>
#include <vector>

namespace dunra {

// 32 x 32, transparent around the page.
QImage DunIconImage();
// The same picture as a PNG file's bytes, for the desktop's icon theme.
std::vector<uint8_t> DunIconPng();

}  // namespace dunra

#endif  // DUNRA_APP_DUN_ICON_H_
