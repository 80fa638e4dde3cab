// The AVX2 kernels. Compiled with -mavx2 -mbmi; called only on processors
// that have both.
#include <immintrin.h>

#include <cstdint>

#include "codec/rle_fast_decoder.h"
#include "codec/rle_fast_encoder.h"
#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

struct Avx2Ops {
  static constexpr bool kCodesDenseWindows = false;
  static __m256i Load(const uint8_t* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
  }
  static void Store(uint8_t* p, __m256i v) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v);
  }
  static uint64_t Mask32(__m256i a, __m256i b) {
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(a, b)));
  }
  static uint64_t EqMask64(const uint8_t* a, const uint8_t* b) {
    return Mask32(Load(a), Load(b)) | Mask32(Load(a + 32), Load(b + 32)) << 32;
  }
  // Whether some p[i] == p[i + 1] == p[i + 2], i < 64.
  static bool HasTriple64(const uint8_t* p) {
    const __m256i b0 = Load(p + 1), b1 = Load(p + 33);
    const __m256i t0 = _mm256_and_si256(_mm256_cmpeq_epi8(Load(p), b0),
                                        _mm256_cmpeq_epi8(b0, Load(p + 2)));
    const __m256i t1 = _mm256_and_si256(_mm256_cmpeq_epi8(Load(p + 32), b1),
                                        _mm256_cmpeq_epi8(b1, Load(p + 34)));
    const __m256i any = _mm256_or_si256(t0, t1);
    return !_mm256_testz_si256(any, any);
  }
  static bool AllEqual64(const uint8_t* a, uint8_t v) {
    const __m256i s = _mm256_set1_epi8(static_cast<char>(v));
    const __m256i all =
        _mm256_and_si256(_mm256_cmpeq_epi8(Load(a), s), _mm256_cmpeq_epi8(Load(a + 32), s));
    return _mm256_movemask_epi8(all) == -1;
  }
  static uint64_t EqByteMask64(const uint8_t* a, uint8_t v) {
    const __m256i s = _mm256_set1_epi8(static_cast<char>(v));
    return Mask32(Load(a), s) | Mask32(Load(a + 32), s) << 32;
  }
  static void Copy32(uint8_t* dst, const uint8_t* src) { Store(dst, Load(src)); }
  static void Copy64(uint8_t* dst, const uint8_t* src) {
    const __m256i a = Load(src), b = Load(src + 32);
    Store(dst, a);
    Store(dst + 32, b);
  }
  // Stores at least count bytes of v, in 32-byte blocks, at least one.
  static void Fill(uint8_t* dst, uint8_t v, int32_t count) {
    const __m256i s = _mm256_set1_epi8(static_cast<char>(v));
    Store(dst, s);
    for (int32_t i = 32; i < count; i += 32) Store(dst + i, s);
  }
};

}  // namespace

KernelEncodeResult EncodeAvx2(const uint8_t* content, int32_t n,
                              uint8_t* control, uint8_t* literals) {
  return EncodeWith<Avx2Ops>(content, n, control, literals);
}

const char* DecodeAvx2(const uint8_t* control, size_t control_length,
                       const uint8_t* literals, size_t literal_count,
                       int32_t content_size, uint8_t* out) {
  return DecodeWith<Avx2Ops>(control, control_length, literals, literal_count,
                             content_size, out);
}

}  // namespace dunra::fast
