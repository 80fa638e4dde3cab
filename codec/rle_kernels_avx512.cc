// The AVX-512 kernels. Compiled with -mavx512f -mavx512bw -mavx512vl
// -mavx2 -mbmi; called only on processors that have all of them.
#include <immintrin.h>

#include <cstdint>

#include "codec/rle_fast_decoder.h"
#include "codec/rle_fast_encoder.h"
#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

struct Avx512Ops {
  static __m512i Load(const uint8_t* p) { return _mm512_loadu_si512(p); }
  static uint64_t EqMask64(const uint8_t* a, const uint8_t* b) {
    return _mm512_cmpeq_epi8_mask(Load(a), Load(b));
  }
  static uint64_t EqByteMask64(const uint8_t* a, uint8_t v) {
    return _mm512_cmpeq_epi8_mask(Load(a), _mm512_set1_epi8(static_cast<char>(v)));
  }
  static void Copy32(uint8_t* dst, const uint8_t* src) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src)));
  }
  static void Copy64(uint8_t* dst, const uint8_t* src) {
    _mm512_storeu_si512(dst, Load(src));
  }
  // Stores at least count bytes of v: one 32-byte block for short runs,
  // 64-byte blocks for long ones.
  static void Fill(uint8_t* dst, uint8_t v, int32_t count) {
    if (count <= 32) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst),
                          _mm256_set1_epi8(static_cast<char>(v)));
      return;
    }
    const __m512i s = _mm512_set1_epi8(static_cast<char>(v));
    for (int32_t i = 0; i < count; i += 64) _mm512_storeu_si512(dst + i, s);
  }
};

}  // namespace

KernelEncodeResult EncodeAvx512(const uint8_t* content, int32_t n,
                                uint8_t* control, uint8_t* literals) {
  return EncodeWith<Avx512Ops>(content, n, control, literals);
}

const char* DecodeAvx512(const uint8_t* control, size_t control_length,
                         const uint8_t* literals, size_t literal_count,
                         int32_t content_size, uint8_t* out) {
  return DecodeWith<Avx512Ops>(control, control_length, literals,
                               literal_count, content_size, out);
}

}  // namespace dunra::fast
