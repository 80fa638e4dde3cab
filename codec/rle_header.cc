#include "codec/rle_header.h"

namespace dunra {

Header ParseHeader(std::span<const uint8_t> hc) {
  if (hc.size() < static_cast<size_t>(kHeaderSize)) {
    throw MalformedFile("file is shorter than its header");
  }
  Header h;
  h.content_size = hc[0] | hc[1] << 8 | hc[2] << 16;
  h.literal_offset = hc[3] | hc[4] << 8;
  h.ext = {hc[5], hc[6], hc[7]};
  if (h.literal_offset < kHeaderSize) {
    throw MalformedFile("literal offset points into the header");
  }
  if (static_cast<size_t>(h.literal_offset) != hc.size()) {
    throw MalformedFile("literal offset does not match the control stream");
  }
  return h;
}

}  // namespace dunra
