// The AVX2 kernels. Compiled with -mavx2 -mbmi -mpopcnt; called only on
// processors that have all three.
#include <immintrin.h>

#include <cstdint>

#include "codec/rle_fast_decoder.h"
#include "codec/rle_fast_encoder.h"
#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

// For each 8-bit mask, the positions of its set bits (a byte shuffle that
// packs the chosen bytes of 8 to the front) and how many there are.
struct PackTable {
  uint8_t index[256][8];
  uint8_t count[256];
};

constexpr PackTable MakePackTable() {
  PackTable t{};
  for (int mask = 0; mask < 256; ++mask) {
    int k = 0;
    for (int bit = 0; bit < 8; ++bit) {
      if (mask >> bit & 1) t.index[mask][k++] = static_cast<uint8_t>(bit);
    }
    t.count[mask] = static_cast<uint8_t>(k);
  }
  return t;
}

constexpr PackTable kPack = MakePackTable();

alignas(64) constexpr uint8_t kLanes[64] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
    16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31,
    32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47,
    48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63};

// Stores the bytes of src[0..64) chosen by mask, in order, at dst; writes
// up to 8 bytes past them. Returns how many were chosen.
int Pack64(uint8_t* dst, const uint8_t* src, uint64_t mask) {
  int n = 0;
  for (int c = 0; c < 64; c += 8) {
    const unsigned m = (mask >> c) & 0xFF;
    const __m128i bytes = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(src + c));
    const __m128i index = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(kPack.index[m]));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst + n), _mm_shuffle_epi8(bytes, index));
    n += kPack.count[m];
  }
  return n;
}

struct Avx2Ops {
  static constexpr bool kCodesDenseWindows = true;

  // As the AVX-512 kernels' CodeDenseWindow, packing bytes with a table
  // of shuffles instead of a compress instruction.
  static DenseWindowResult CodeDenseWindow(const uint8_t* yw, uint64_t equal,
                                           uint64_t starts, int pending,
                                           uint8_t* control, uint8_t* literals) {
    const int first = __builtin_ctzll(starts);
    const uint64_t run_last = ~equal & (equal << 1) & (equal << 2);
    const int runs = __builtin_popcountll(run_last);  // at most 21
    if (runs < 3) return {0, 0, 0};  // fewer are quicker one by one
    if (runs != __builtin_popcountll(starts)) {
      starts &= ~(uint64_t{1} << (63 - __builtin_clzll(starts)));  // runs on
    }
    alignas(32) uint8_t run_start[72] = {};
    alignas(32) uint8_t previous_end[80] = {};  // then each run's end
    Pack64(run_start, kLanes, starts);
    previous_end[0] = static_cast<uint8_t>(first - pending);
    Pack64(previous_end + 1, kLanes, run_last);
    const __m256i start = Load(run_start);
    const __m256i end = Load(previous_end + 1);
    const __m256i length =
        _mm256_add_epi8(_mm256_sub_epi8(end, start), _mm256_set1_epi8(1));
    const __m256i carried = _mm256_sub_epi8(start, Load(previous_end));
    const __m256i used = _mm256_cmpgt_epi8(
        _mm256_set1_epi8(static_cast<char>(runs)), Load(kLanes));
    const __m256i unfit = _mm256_and_si256(
        used, _mm256_or_si256(_mm256_subs_epu8(length, _mm256_set1_epi8(7)),
                              _mm256_subs_epu8(carried, _mm256_set1_epi8(30))));
    if (!_mm256_testz_si256(unfit, unfit)) return {0, 0, 0};
    // length < 8, so shifting 16-bit lanes moves no bit across bytes.
    Store(control, _mm256_add_epi8(carried, _mm256_slli_epi16(length, 5)));
    const int stop = 64 - __builtin_clzll(run_last);
    const uint64_t in_runs = (run_last << 1) - starts;
    const uint64_t span = (stop == 64 ? ~uint64_t{0} : (uint64_t{1} << stop) - 1) &
                          ~((uint64_t{1} << first) - 1);
    const uint64_t kept = span & ~(in_runs & ~starts);
    return {runs, Pack64(literals, yw, kept), stop};
  }
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
