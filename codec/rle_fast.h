// The fast encoder and decoder: the same transforms as the byte-at-a-time
// versions of rle_reference.h, byte for byte and failure for failure, run
// a window of bytes at a time. rle_format.h's functions use them on the
// widest path the processor supports; tests and the benchmark may name a
// path.
#ifndef DUNRA_CODEC_RLE_FAST_H_
#define DUNRA_CODEC_RLE_FAST_H_

#include <span>

#include "codec/rle_codec_path.h"
#include "codec/rle_format.h"

namespace dunra::fast {

EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer, uint8_t* literal_buffer,
                               CodecPath path = BestCodecPath());

DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals,
                          CodecPath path = BestCodecPath());

// Decodes into a caller's buffer of at least ContentSize + 1 bytes (the
// first three header bytes); the content is its first ContentSize bytes.
// Returns ContentSize.
int32_t DecodeStreamsInto(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals,
                          std::span<uint8_t> out,
                          CodecPath path = BestCodecPath());

}  // namespace dunra::fast

#endif  // DUNRA_CODEC_RLE_FAST_H_
