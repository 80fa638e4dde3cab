// The vectorised decoder, written once over a set of vector operations
// (Ops) and instantiated per instruction-set level. Included only by the
// rle_kernels_*.cc files; everything here has internal linkage.
//
// While enough control bytes, literals and output room remain, a step
// needs no checks: literals are copied 32 at a time and runs filled in
// whole blocks, the overshoot being overwritten by later steps. The last
// steps run fully checked, failing exactly where the byte-at-a-time
// decoder fails.
#ifndef DUNRA_CODEC_RLE_FAST_DECODER_H_
#define DUNRA_CODEC_RLE_FAST_DECODER_H_

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace dunra::fast {
namespace {

// Output room an unchecked step may need past its position: 31 literals
// plus a fill of up to 254 bytes rounded up to whole blocks (256), or a
// block copy's 63 bytes of overshoot.
constexpr int32_t kDecodeMargin = 320;

// One fully checked step: the byte-at-a-time decoder's, failure for
// failure.
struct CheckedDecoder {
  const uint8_t* control;
  size_t control_length;
  const uint8_t* literals;
  size_t literal_count;
  int32_t body;  // bytes the control stream makes
  uint8_t* out;
  size_t cc = 0;  // control cursor
  size_t lc = 0;  // literal cursor
  int32_t count = 0;

  const char* Step() {
    if (cc >= control_length) return "control stream ends early";
    const uint8_t b = control[cc++];
    int32_t literal_part = b & 31;
    if (literal_part > body - count) literal_part = body - count;
    if (static_cast<size_t>(literal_part) > literal_count - lc) {
      return "literal stream ends early";
    }
    if (literal_part > 0) {  // literals may be null when empty
      std::memcpy(out + count, literals + lc, literal_part);
      lc += literal_part;
      count += literal_part;
    }
    if (b == 31) return nullptr;
    int32_t run;
    if (b >= 32) {
      run = b >> 5;
    } else {
      if (cc >= control_length) return "run-length byte missing";
      run = control[cc++];
    }
    if (run == 0) return "run length of zero";
    if (lc == 0) return "run before any literal";
    if (run - 1 > body - count) return "run passes the content's end";
    std::memset(out + count, literals[lc - 1], run - 1);
    count += run - 1;
    return nullptr;
  }
};

template <class Ops>
const char* DecodeWith(const uint8_t* control, size_t control_length,
                       const uint8_t* literals, size_t literal_count,
                       int32_t content_size, uint8_t* out) {
  CheckedDecoder d{control, control_length, literals, literal_count,
                   content_size - 1, out};
  // Checked until the first literal is out, so that every later run has
  // its byte.
  while (d.count < d.body && d.lc == 0) {
    if (const char* fault = d.Step()) return fault;
  }

  if (d.body > kDecodeMargin) {
    const int32_t body = d.body;
    const int32_t fast_end = body - kDecodeMargin;
    size_t cc = d.cc, lc = d.lc;
    int32_t count = d.count;
    while (count <= fast_end && cc + 2 <= control_length &&
           lc + 64 <= literal_count) {
      const uint8_t b = control[cc];
      if (b >= 32) {
        // Short-run byte: literals, then the last of them (b >> 5) - 1
        // more times, at most 6: one 8-byte store.
        ++cc;
        Ops::Copy32(out + count, literals + lc);
        lc += b & 31;
        count += b & 31;
        const uint64_t repeated = 0x0101010101010101ull * literals[lc - 1];
        std::memcpy(out + count, &repeated, 8);
        count += (b >> 5) - 1;
      } else if (b == 31) {
        if (control[cc + 1] != 31) {
          // A lone literals-only byte.
          ++cc;
          Ops::Copy32(out + count, literals + lc);
          lc += 31;
          count += 31;
          continue;
        }
        if (cc + 3 <= control_length && control[cc + 2] != 31) {
          // Two: still cheaper than finding the stretch's end.
          cc += 2;
          Ops::Copy64(out + count, literals + lc);
          lc += 62;
          count += 62;
          continue;
        }
        // A stretch of literals-only bytes: one block copy.
        int32_t k = cc + 3 <= control_length ? 3 : 2;
        if (cc + 64 <= control_length) {
          const uint64_t others = ~Ops::EqByteMask64(control + cc, 31);
          k = others == 0 ? 64 : __builtin_ctzll(others);
        }
        if (count + 31 * k + 64 > body || lc + 31 * k + 64 > literal_count) {
          const int32_t out_room = (body - 64 - count) / 31;
          const size_t literal_room = (literal_count - 64 - lc) / 31;
          if (k > out_room) k = out_room;
          if (static_cast<size_t>(k) > literal_room) k = static_cast<int32_t>(literal_room);
          if (k <= 0) break;
        }
        const int32_t bytes = 31 * k;
        for (int32_t i = 0; i < bytes; i += 64) {
          Ops::Copy64(out + count + i, literals + lc + i);
        }
        cc += k;
        lc += bytes;
        count += bytes;
      } else {
        // Long-run byte and its run-length byte.
        cc += 2;
        Ops::Copy32(out + count, literals + lc);
        lc += b;
        count += b;
        const int32_t run = control[cc - 1];
        if (run == 0) return "run length of zero";
        Ops::Fill(out + count, literals[lc - 1], run - 1);
        count += run - 1;
      }
    }
    d.cc = cc;
    d.lc = lc;
    d.count = count;
  }

  while (d.count < d.body) {
    if (const char* fault = d.Step()) return fault;
  }
  if (d.lc >= literal_count) return "final literal missing";
  out[d.count] = literals[d.lc];
  return nullptr;
}

}  // namespace
}  // namespace dunra::fast

#endif  // DUNRA_CODEC_RLE_FAST_DECODER_H_
