// The byte-at-a-time encoder and decoder: the readable definition of the
// format's transforms, kept as the yardstick every faster version is
// checked against.
#ifndef DUNRA_CODEC_RLE_REFERENCE_H_
#define DUNRA_CODEC_RLE_REFERENCE_H_

#include "codec/rle_format.h"

namespace dunra::reference {

EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer, uint8_t* literal_buffer);

DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals);

}  // namespace dunra::reference

#endif  // DUNRA_CODEC_RLE_REFERENCE_H_
