// The fast codec against the readable one on arbitrary bytes, on every path
// this processor runs. The input is decoded as a compressed file (both
// decoders must refuse it, or both return the same content and extension)
// and encoded as a content (both encoders must refuse it, or both write the
// same streams, within buffers of exactly the promised sizes).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "codec/rle_fast.h"
#include "codec/rle_header.h"
#include "codec/rle_reference.h"
#include "fuzz/fuzz_check.h"

namespace {

using Bytes = std::vector<uint8_t>;
using dunra::fast::CodecPath;

std::optional<dunra::DecodedFile> Decode(const Bytes& file, std::optional<CodecPath> path) {
  try {
    const dunra::FileParts parts = dunra::SplitFile(file);
    return path ? dunra::fast::DecodeStreams(parts.header_and_control, parts.literals, *path)
                : dunra::reference::DecodeStreams(parts.header_and_control, parts.literals);
  } catch (const dunra::MalformedFile&) {
    return std::nullopt;
  }
}

// Control stream then literal stream, or nullopt when refused.
std::optional<Bytes> Encode(const Bytes& content, std::optional<CodecPath> path) {
  const auto n = static_cast<int32_t>(content.size());
  Bytes header(dunra::kHeaderBufferSize);
  Bytes literals(content.size() + 1);
  dunra::EncodedLengths lengths;
  try {
    lengths = path ? dunra::fast::EncodeRunLength(content.data(), n, header.data(),
                                                  literals.data(), *path)
                   : dunra::reference::EncodeRunLength(content.data(), n, header.data(),
                                                       literals.data());
  } catch (const dunra::ContentTooLarge&) {
    return std::nullopt;
  }
  Bytes out(header.begin() + dunra::kHeaderSize,
            header.begin() + dunra::kHeaderSize + lengths.control_length);
  out.insert(out.end(), literals.begin(), literals.begin() + lengths.literal_count);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Bytes input(data, data + size);
  const std::optional<dunra::DecodedFile> decoded = Decode(input, std::nullopt);
  const std::optional<Bytes> encoded = Encode(input, std::nullopt);
  for (CodecPath path : dunra::fast::kAllCodecPaths) {
    if (!dunra::fast::IsSupported(path)) continue;
    const std::optional<dunra::DecodedFile> fast_decoded = Decode(input, path);
    FUZZ_CHECK(fast_decoded.has_value() == decoded.has_value());
    if (decoded) {
      FUZZ_CHECK(fast_decoded->content == decoded->content);
      FUZZ_CHECK(fast_decoded->ext == decoded->ext);
    }
    FUZZ_CHECK(Encode(input, path) == encoded);
  }
  return 0;
}
