// Structural checks on a file the encoder wrote, independent of decoding:
// used by the tests and the round-trip fuzzer to catch output that still
// decodes but is not what the encoder must write.
#ifndef DUNRA_CODEC_RLE_INVARIANTS_H_
#define DUNRA_CODEC_RLE_INVARIANTS_H_

#include <span>
#include <string>

#include "codec/rle_format.h"

namespace dunra {

// Returns an empty string when `file` has the shape every encoder output of
// `content` has, else a description of the first departure:
//   - ContentSize is the content's length, LiteralOffset 8 + control length;
//   - the control stream ends with the closing byte (31);
//   - every run-carrying byte has a literal count of 1 to 30 and a run of
//     3 to 7 (short-run byte) or 8 to 255 (long-run byte);
//   - the literal stream holds N minus the repeats the runs add (one byte
//     when N is 0) and ends with the content's last byte (0 when empty).
std::string FindEncoderInvariantBreak(std::span<const uint8_t> content,
                                      std::span<const uint8_t> file);

}  // namespace dunra

#endif  // DUNRA_CODEC_RLE_INVARIANTS_H_
