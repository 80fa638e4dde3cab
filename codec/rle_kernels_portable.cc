// The portable kernels: SSE2, which every x86-64 processor has, or plain
// 64-bit words elsewhere.
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "codec/rle_fast_decoder.h"
#include "codec/rle_fast_encoder.h"
#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

#if defined(__SSE2__)

struct PortableOps {
  static constexpr bool kCodesDenseWindows = false;
  static __m128i Load(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  }
  static void Store(uint8_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
  }
  static uint64_t Mask16(__m128i a, __m128i b) {
    return static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(a, b)));
  }
  static uint64_t EqMask64(const uint8_t* a, const uint8_t* b) {
    return Mask16(Load(a), Load(b)) | Mask16(Load(a + 16), Load(b + 16)) << 16 |
           Mask16(Load(a + 32), Load(b + 32)) << 32 |
           Mask16(Load(a + 48), Load(b + 48)) << 48;
  }
  // Whether some p[i] == p[i + 1] == p[i + 2], i < 64.
  static bool HasTriple64(const uint8_t* p) {
    __m128i any = _mm_setzero_si128();
    for (int i = 0; i < 64; i += 16) {
      const __m128i b = Load(p + i + 1);
      any = _mm_or_si128(any, _mm_and_si128(_mm_cmpeq_epi8(Load(p + i), b),
                                            _mm_cmpeq_epi8(b, Load(p + i + 2))));
    }
    return _mm_movemask_epi8(any) != 0;
  }
  static bool AllEqual64(const uint8_t* a, uint8_t v) {
    const __m128i s = _mm_set1_epi8(static_cast<char>(v));
    const __m128i all = _mm_and_si128(
        _mm_and_si128(_mm_cmpeq_epi8(Load(a), s), _mm_cmpeq_epi8(Load(a + 16), s)),
        _mm_and_si128(_mm_cmpeq_epi8(Load(a + 32), s), _mm_cmpeq_epi8(Load(a + 48), s)));
    return _mm_movemask_epi8(all) == 0xFFFF;
  }
  static uint64_t EqByteMask64(const uint8_t* a, uint8_t v) {
    const __m128i s = _mm_set1_epi8(static_cast<char>(v));
    return Mask16(Load(a), s) | Mask16(Load(a + 16), s) << 16 |
           Mask16(Load(a + 32), s) << 32 | Mask16(Load(a + 48), s) << 48;
  }
  static void Copy32(uint8_t* dst, const uint8_t* src) {
    const __m128i a = Load(src), b = Load(src + 16);
    Store(dst, a);
    Store(dst + 16, b);
  }
  static void Copy64(uint8_t* dst, const uint8_t* src) {
    const __m128i a = Load(src), b = Load(src + 16), c = Load(src + 32),
                  d = Load(src + 48);
    Store(dst, a);
    Store(dst + 16, b);
    Store(dst + 32, c);
    Store(dst + 48, d);
  }
  // Stores at least count bytes of v, in 16-byte blocks, at least one.
  static void Fill(uint8_t* dst, uint8_t v, int32_t count) {
    const __m128i s = _mm_set1_epi8(static_cast<char>(v));
    Store(dst, s);
    for (int32_t i = 16; i < count; i += 16) Store(dst + i, s);
  }
};

#else

struct PortableOps {
  static constexpr bool kCodesDenseWindows = false;
  static uint64_t EqMask64(const uint8_t* a, const uint8_t* b) {
    uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) mask |= static_cast<uint64_t>(a[i] == b[i]) << i;
    return mask;
  }
  static bool HasTriple64(const uint8_t* p) {
    return (EqMask64(p, p + 1) & EqMask64(p + 1, p + 2)) != 0;
  }
  static bool AllEqual64(const uint8_t* a, uint8_t v) {
    return EqByteMask64(a, v) == ~uint64_t{0};
  }
  static uint64_t EqByteMask64(const uint8_t* a, uint8_t v) {
    uint64_t mask = 0;
    for (int i = 0; i < 64; ++i) mask |= static_cast<uint64_t>(a[i] == v) << i;
    return mask;
  }
  static void Copy32(uint8_t* dst, const uint8_t* src) { std::memcpy(dst, src, 32); }
  static void Copy64(uint8_t* dst, const uint8_t* src) { std::memcpy(dst, src, 64); }
  static void Fill(uint8_t* dst, uint8_t v, int32_t count) {
    const uint64_t word = 0x0101010101010101ull * v;
    std::memcpy(dst, &word, 8);
    for (int32_t i = 8; i < count; i += 8) std::memcpy(dst + i, &word, 8);
  }
};

#endif

}  // namespace

KernelEncodeResult EncodePortable(const uint8_t* content, int32_t n,
                                  uint8_t* control, uint8_t* literals) {
  return EncodeWith<PortableOps>(content, n, control, literals);
}

const char* DecodePortable(const uint8_t* control, size_t control_length,
                           const uint8_t* literals, size_t literal_count,
                           int32_t content_size, uint8_t* out) {
  return DecodeWith<PortableOps>(control, control_length, literals,
                                 literal_count, content_size, out);
}

}  // namespace dunra::fast
