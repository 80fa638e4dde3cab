// Entry points of the vectorised encoder and decoder, one set per
// instruction-set level. Each set lives in its own translation unit,
// compiled for that level only; rle_fast.cc picks one at run time. The
// kernels throw nothing and use no library code that could be shared with
// other translation units, so wide instructions never leak into the
// portable path.
#ifndef DUNRA_CODEC_RLE_FAST_KERNELS_H_
#define DUNRA_CODEC_RLE_FAST_KERNELS_H_

#include <cstddef>
#include <cstdint>

namespace dunra::fast {

// The control stream's limit, kMaxControlLength of rle_format.h (checked
// there); repeated so the kernels need no library header.
inline constexpr int32_t kKernelControlCap = 65'527;

struct KernelEncodeResult {
  int32_t control_length;
  int32_t literal_count;
  bool too_large;  // the control stream would exceed its limit
};

// content[0..n) to control[0..) (room for 65,528 bytes) and literals[0..n]
// (n + 1 bytes). 0 <= n <= 16,777,215.
using EncodeKernel = KernelEncodeResult (*)(const uint8_t* content, int32_t n,
                                            uint8_t* control,
                                            uint8_t* literals);

// Decodes content_size bytes into out, which holds content_size + 1 bytes.
// Returns nullptr on success, else why the streams were rejected.
using DecodeKernel = const char* (*)(const uint8_t* control,
                                     size_t control_length,
                                     const uint8_t* literals,
                                     size_t literal_count,
                                     int32_t content_size, uint8_t* out);

KernelEncodeResult EncodePortable(const uint8_t*, int32_t, uint8_t*, uint8_t*);
const char* DecodePortable(const uint8_t*, size_t, const uint8_t*, size_t,
                           int32_t, uint8_t*);

#if defined(DUNRA_HAVE_X86_KERNELS)
KernelEncodeResult EncodeAvx2(const uint8_t*, int32_t, uint8_t*, uint8_t*);
const char* DecodeAvx2(const uint8_t*, size_t, const uint8_t*, size_t, int32_t,
                       uint8_t*);
KernelEncodeResult EncodeAvx512(const uint8_t*, int32_t, uint8_t*, uint8_t*);
const char* DecodeAvx512(const uint8_t*, size_t, const uint8_t*, size_t,
                         int32_t, uint8_t*);
#endif

}  // namespace dunra::fast

#endif  // DUNRA_CODEC_RLE_FAST_KERNELS_H_
