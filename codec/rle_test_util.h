// Building byte strings for the codec tests.
#ifndef DUNRA_CODEC_RLE_TEST_UTIL_H_
#define DUNRA_CODEC_RLE_TEST_UTIL_H_

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/rle_fast.h"
#include "codec/rle_format.h"
#include "codec/rle_header.h"
#include "codec/rle_reference.h"

namespace dunra::testing {

using Bytes = std::vector<uint8_t>;

inline constexpr ContentExt kTxt = {'t', 'x', 't'};

// "1F 41 42" -> {0x1F, 0x41, 0x42}; spaces are ignored.
inline Bytes Hex(std::string_view hex) {
  Bytes out;
  int high = -1;
  for (char c : hex) {
    if (c == ' ') continue;
    const int digit = std::stoi(std::string(1, c), nullptr, 16);
    if (high < 0) {
      high = digit;
    } else {
      out.push_back(static_cast<uint8_t>(high << 4 | digit));
      high = -1;
    }
  }
  return out;
}

inline Bytes Text(std::string_view s) { return {s.begin(), s.end()}; }

inline Bytes Repeat(uint8_t byte, size_t count) { return Bytes(count, byte); }

// count bytes first, first + 1, ...: no two neighbours equal.
inline Bytes Ascending(uint8_t first, size_t count) {
  Bytes out(count);
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(first + i);
  return out;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

using Encoder = EncodedLengths (*)(const uint8_t* content, int32_t n, uint8_t* header_buffer,
                                   uint8_t* literal_buffer);
using StreamDecoder = DecodedFile (*)(std::span<const uint8_t> header_and_control,
                                      std::span<const uint8_t> literals);

// A pair of transforms the codec tests run against.
struct CodecUnderTest {
  const char* name;
  Encoder encode;
  StreamDecoder decode_streams;
};

// The format's own functions, and the readable versions that define them.
inline const CodecUnderTest kCodecsUnderTest[] = {
    {"Public", &EncodeRunLength, &DecodeStreams},
    {"Reference", &reference::EncodeRunLength, &reference::DecodeStreams},
};

// Names parameterized tests after their codec.
template <typename TestParamInfo>
std::string CodecName(const TestParamInfo& info) {
  return info.param.name;
}

inline DecodedFile Decode(const CodecUnderTest& codec, std::span<const uint8_t> file) {
  const FileParts parts = SplitFile(file);
  return codec.decode_streams(parts.header_and_control, parts.literals);
}

// Encodes through the raw interface into buffers of exactly the sizes the
// encoder is promised (so the sanitizer build sees any write past them) and
// joins header, control stream and literal stream into a whole file.
template <typename EncodeFunction = Encoder>
Bytes EncodeIntoExactBuffers(const Bytes& content, const ContentExt& ext,
                             EncodeFunction encode = &EncodeRunLength) {
  const auto n = static_cast<int32_t>(content.size());
  Bytes header(kHeaderBufferSize);
  Bytes literals(content.size() + 1);
  const EncodedLengths lengths = encode(content.data(), n, header.data(), literals.data());
  WriteHeader(header.data(), n, lengths, ext);
  header.resize(kHeaderSize + lengths.control_length);
  literals.resize(lengths.literal_count);
  return Concat({header, literals});
}

// The fast codec's paths this processor runs.
inline std::vector<fast::CodecPath> SupportedPaths() {
  std::vector<fast::CodecPath> paths;
  for (fast::CodecPath p : fast::kAllCodecPaths) {
    if (fast::IsSupported(p)) paths.push_back(p);
  }
  return paths;
}

// The fast codec on one path, or the readable one when there is none.
using PathOrReference = std::optional<fast::CodecPath>;

// The whole file, extension "bin", that the encoder writes through
// EncodeIntoExactBuffers; nullopt when it refuses the content.
inline std::optional<Bytes> EncodeOn(const Bytes& content, PathOrReference path) {
  const ContentExt bin = {'b', 'i', 'n'};
  try {
    if (!path) return EncodeIntoExactBuffers(content, bin, &reference::EncodeRunLength);
    return EncodeIntoExactBuffers(
        content, bin,
        [&](const uint8_t* c, int32_t n, uint8_t* header_buffer, uint8_t* literal_buffer) {
          return fast::EncodeRunLength(c, n, header_buffer, literal_buffer, *path);
        });
  } catch (const ContentTooLarge&) {
    return std::nullopt;
  }
}

// The decoded content followed by the three extension bytes; nullopt when
// the decoder refuses the file.
inline std::optional<Bytes> DecodeOn(const Bytes& file, PathOrReference path) {
  try {
    const FileParts parts = SplitFile(file);
    const DecodedFile d =
        path ? fast::DecodeStreams(parts.header_and_control, parts.literals, *path)
             : reference::DecodeStreams(parts.header_and_control, parts.literals);
    Bytes out = d.content;
    out.insert(out.end(), d.ext.begin(), d.ext.end());
    return out;
  } catch (const MalformedFile&) {
    return std::nullopt;
  }
}

}  // namespace dunra::testing

#endif  // DUNRA_CODEC_RLE_TEST_UTIL_H_
