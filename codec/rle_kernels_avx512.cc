// The AVX-512 kernels. Compiled with -mavx512f -mavx512bw -mavx512vl
// -mavx512vbmi -mavx512vbmi2 -mavx2 -mbmi -mpopcnt; called only on
// processors that have all of them.
#include <immintrin.h>

#include <cstdint>

#include "codec/rle_fast_decoder.h"
#include "codec/rle_fast_encoder.h"
#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

struct Avx512Ops {
  static constexpr bool kCodesDenseWindows = true;

  // Codes at once the runs that start and end in the 64 bytes at yw, when
  // each is a short run (3 to 7) and no pending count reaches 31, so that
  // each run is one control byte pending + 32 * length and the literals
  // are the bytes that do not continue a run. starts: the runs' first
  // bytes, the lowest at the literal cursor; pending: 1 to 30, the count
  // the first run carries. Returns runs 0, having changed nothing that
  // counts, otherwise. A last run that leaves the window is left to the
  // caller.
  static DenseWindowResult CodeDenseWindow(const uint8_t* yw, uint64_t equal,
                                           uint64_t starts, int pending,
                                           uint8_t* control, uint8_t* literals) {
    const int first = __builtin_ctzll(starts);
    // Last bytes of stretches of three or more; none lies before the
    // first start, as a run through the window's start was coded before.
    const uint64_t run_last = ~equal & (equal << 1) & (equal << 2);
    const int runs = __builtin_popcountll(run_last);
    if (runs == 0) return {0, 0, 0};
    if (runs != __builtin_popcountll(starts)) {
      starts &= ~(uint64_t{1} << (63 - __builtin_clzll(starts)));  // runs on
    }
    const __m512i lanes = _mm512_set_epi8(
        63, 62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46,
        45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28,
        27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10,
        9, 8, 7, 6, 5, 4, 3, 2, 1, 0);
    const __m512i run_start = _mm512_maskz_compress_epi8(starts, lanes);
    const __m512i run_end = _mm512_maskz_compress_epi8(run_last, lanes);
    // The end of the run before each run; before the first, the place that
    // makes its gap the pending count.
    const __m512i previous_end = _mm512_mask_permutexvar_epi8(
        _mm512_set1_epi8(static_cast<char>(first - pending)), ~uint64_t{1},
        _mm512_sub_epi8(lanes, _mm512_set1_epi8(1)), run_end);
    const __m512i length =
        _mm512_add_epi8(_mm512_sub_epi8(run_end, run_start), _mm512_set1_epi8(1));
    const __m512i carried = _mm512_sub_epi8(run_start, previous_end);
    const __mmask64 used = runs == 64 ? ~uint64_t{0} : (uint64_t{1} << runs) - 1;
    if (_mm512_mask_cmpgt_epu8_mask(used, length, _mm512_set1_epi8(7)) |
        _mm512_mask_cmpgt_epu8_mask(used, carried, _mm512_set1_epi8(30))) {
      return {0, 0, 0};
    }
    // length < 8, so shifting 16-bit lanes moves no bit across bytes.
    _mm512_storeu_si512(control, _mm512_add_epi8(carried, _mm512_slli_epi16(length, 5)));
    // Bytes first..last_end, less those that continue a run. Runs are
    // disjoint, so (run_last << 1) - starts sets exactly their bytes, also
    // modulo 2^64 when the last run ends on bit 63.
    const int end = 64 - __builtin_clzll(run_last);
    const uint64_t in_runs = (run_last << 1) - starts;
    const uint64_t span = (end == 64 ? ~uint64_t{0} : (uint64_t{1} << end) - 1) &
                          ~((uint64_t{1} << first) - 1);
    const uint64_t kept = span & ~(in_runs & ~starts);
    _mm512_storeu_si512(literals, _mm512_maskz_compress_epi8(kept, Load(yw)));
    return {runs, __builtin_popcountll(kept), end};
  }

  static __m512i Load(const uint8_t* p) { return _mm512_loadu_si512(p); }
  static uint64_t EqMask64(const uint8_t* a, const uint8_t* b) {
    return _mm512_cmpeq_epi8_mask(Load(a), Load(b));
  }
  // Whether some p[i] == p[i + 1] == p[i + 2], i < 64.
  static bool HasTriple64(const uint8_t* p) {
    const __m512i b = Load(p + 1);
    return _mm512_mask_cmpeq_epi8_mask(_mm512_cmpeq_epi8_mask(Load(p), b), b,
                                       Load(p + 2)) != 0;
  }
  static bool AllEqual64(const uint8_t* a, uint8_t v) {
    return EqByteMask64(a, v) == ~uint64_t{0};
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
  // Stores at least count bytes of v, in 32-byte blocks, at least one:
  // 64-byte blocks measured no faster, long runs being bound by memory.
  static void Fill(uint8_t* dst, uint8_t v, int32_t count) {
    const __m256i s = _mm256_set1_epi8(static_cast<char>(v));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst), s);
    for (int32_t i = 32; i < count; i += 32) {
      _mm256_storeu_si256(reinterpret_cast<__m256i*>(dst + i), s);
    }
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
