#include "codec/rle_fast.h"

#include <string>

#include "codec/rle_fast_kernels.h"
#include "codec/rle_header.h"

namespace dunra::fast {
namespace {

static_assert(kKernelControlCap == kMaxControlLength);

struct Kernels {
  EncodeKernel encode;
  DecodeKernel decode;
};

Kernels KernelsFor(CodecPath path) {
#if defined(DUNRA_HAVE_X86_KERNELS)
  if (IsSupported(path)) {
    if (path == CodecPath::kAvx512) return {EncodeAvx512, DecodeAvx512};
    if (path == CodecPath::kAvx2) return {EncodeAvx2, DecodeAvx2};
  }
#endif
  (void)path;
  return {EncodePortable, DecodePortable};
}

// Decodes into out, which holds header.content_size + 1 bytes.
void DecodeParsed(const Header& header,
                  std::span<const uint8_t> header_and_control,
                  std::span<const uint8_t> literals, uint8_t* out,
                  CodecPath path) {
  const std::span<const uint8_t> control = header_and_control.subspan(kHeaderSize);
  if (const char* fault = KernelsFor(path).decode(
          control.data(), control.size(), literals.data(), literals.size(),
          header.content_size, out)) {
    throw MalformedFile(fault);
  }
}

}  // namespace

EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer, uint8_t* literal_buffer,
                               CodecPath path) {
  if (n < 0) throw CodecError("negative content size");
  if (n > kMaxContentSize) {
    throw ContentTooLarge("content of " + std::to_string(n) +
                          " bytes exceeds the format's size limit");
  }
  const KernelEncodeResult r = KernelsFor(path).encode(
      content, n, header_buffer + kHeaderSize, literal_buffer);
  if (r.too_large) {
    throw ContentTooLarge("content needs more than " +
                          std::to_string(kMaxControlLength) + " control bytes");
  }
  return {r.control_length, r.literal_count};
}

int32_t DecodeStreamsInto(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals,
                          std::span<uint8_t> out, CodecPath path) {
  const Header header = ParseHeader(header_and_control);
  if (out.size() < static_cast<size_t>(header.content_size) + 1) {
    throw CodecError("decode buffer too small");
  }
  DecodeParsed(header, header_and_control, literals, out.data(), path);
  return header.content_size;
}

DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals, CodecPath path) {
  const Header header = ParseHeader(header_and_control);
  DecodedFile result;
  result.ext = header.ext;
  result.content.resize(static_cast<size_t>(header.content_size) + 1);
  DecodeParsed(header, header_and_control, literals, result.content.data(), path);
  result.content.resize(header.content_size);
  return result;
}

}  // namespace dunra::fast
