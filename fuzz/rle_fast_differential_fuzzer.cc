// The fast codec against the readable one on arbitrary bytes, on every path
// this processor runs. The input is decoded as a compressed file (both
// decoders must refuse it, or both return the same content and extension)
// and encoded as a content (both encoders must refuse it, or both write the
// same file, within buffers of exactly the promised sizes).
#include <cstddef>
#include <cstdint>
#include <optional>

#include "codec/rle_test_util.h"
#include "fuzz/fuzz_check.h"

using dunra::testing::Bytes;
using dunra::testing::DecodeOn;
using dunra::testing::EncodeOn;
using dunra::testing::SupportedPaths;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes input(data, data + size);
  const std::optional<Bytes> decoded = DecodeOn(input, std::nullopt);
  const std::optional<Bytes> encoded = EncodeOn(input, std::nullopt);
  for (dunra::fast::CodecPath path : SupportedPaths()) {
    FUZZ_CHECK(DecodeOn(input, path) == decoded);
    FUZZ_CHECK(EncodeOn(input, path) == encoded);
  }
  return 0;
}
