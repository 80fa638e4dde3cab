#include "codec/rle_header.h"

namespace dunra {
namespace {

void RequireHeader(std::span<const uint8_t> bytes) {
  if (bytes.size() < static_cast<size_t>(kHeaderSize)) {
    throw MalformedFile("file is shorter than its header");
  }
}

// The most content one control byte can account for: a long-run byte and
// its run-length byte give 30 literals and 254 repeats, 142 per byte; a
// short-run byte gives at most 37 and a literals-only byte 31. A header
// that claims more than its control stream can describe is refused before
// the output is allocated, so a tiny file cannot make us allocate 16 MiB.
constexpr int64_t kMaxContentPerControlByte = (30 + 254) / 2;

int32_t ReadLiteralOffset(std::span<const uint8_t> bytes) {
  const int32_t offset = bytes[kLiteralOffsetOffset] | bytes[kLiteralOffsetOffset + 1] << 8;
  if (offset < kHeaderSize) {
    throw MalformedFile("literal offset points into the header");
  }
  return offset;
}

}  // namespace

Header ParseHeader(std::span<const uint8_t> hc) {
  RequireHeader(hc);
  Header h;
  h.content_size = hc[0] | hc[1] << 8 | hc[2] << 16;
  h.literal_offset = ReadLiteralOffset(hc);
  h.ext = {hc[5], hc[6], hc[7]};
  if (static_cast<size_t>(h.literal_offset) != hc.size()) {
    throw MalformedFile("literal offset does not match the control stream");
  }
  const int64_t control_length = h.literal_offset - kHeaderSize;
  if (h.content_size - 1 > kMaxContentPerControlByte * control_length) {
    throw MalformedFile("content size exceeds what the control stream can describe");
  }
  return h;
}

FileParts SplitFile(std::span<const uint8_t> file) {
  RequireHeader(file);
  const auto offset = static_cast<size_t>(ReadLiteralOffset(file));
  if (offset > file.size()) {
    throw MalformedFile("literal offset lies beyond the end of the file");
  }
  return {file.first(offset), file.subspan(offset)};
}

}  // namespace dunra
