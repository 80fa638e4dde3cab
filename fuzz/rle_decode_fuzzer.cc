// The decoder on arbitrary bytes: it either refuses them with MalformedFile
// or returns exactly ContentSize bytes and the extension bytes unchanged;
// any other exception, crash or out-of-bounds access is a fault. What it
// returns must survive encoding and decoding again.
#include <cstddef>
#include <cstdint>
#include <span>

#include "codec/rle_format.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> file(data, size);
  dunra::DecodedFile decoded;
  try {
    decoded = dunra::DecodeRunLength(file);
  } catch (const dunra::MalformedFile&) {
    return 0;
  }
  FUZZ_CHECK(size >= 8);
  FUZZ_CHECK(decoded.content.size() == static_cast<size_t>(data[0] | data[1] << 8 | data[2] << 16));
  FUZZ_CHECK(decoded.ext == (dunra::ContentExt{data[5], data[6], data[7]}));

  try {
    const auto again = dunra::EncodeFile(decoded.content, decoded.ext);
    FUZZ_CHECK(dunra::DecodeRunLength(again).content == decoded.content);
  } catch (const dunra::ContentTooLarge&) {
    // A file may describe its content more densely than the encoder would.
  }
  return 0;
}
