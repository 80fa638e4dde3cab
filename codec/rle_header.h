// Reading the 8-byte header, shared by every decoder.
#ifndef DUNRA_CODEC_RLE_HEADER_H_
#define DUNRA_CODEC_RLE_HEADER_H_

#include "codec/rle_format.h"

namespace dunra {

struct Header {
  int32_t content_size = 0;
  int32_t literal_offset = 0;
  ContentExt ext{};
};

// Parses the header of header_and_control, which must be the header and
// the whole control stream: exactly LiteralOffset bytes, 8 or more. Refuses
// a ContentSize beyond what the control stream can describe, so decoders
// can size their output from it.
Header ParseHeader(std::span<const uint8_t> header_and_control);

struct FileParts {
  std::span<const uint8_t> header_and_control;
  std::span<const uint8_t> literals;
};

// Splits a whole file at its LiteralOffset. Throws MalformedFile when the
// file is shorter than the header or the offset lies outside 8..size.
FileParts SplitFile(std::span<const uint8_t> file);

}  // namespace dunra

#endif  // DUNRA_CODEC_RLE_HEADER_H_
