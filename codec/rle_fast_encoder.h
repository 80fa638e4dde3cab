// The vectorised encoder, written once over a set of vector operations
// (Ops) and instantiated per instruction-set level. Included only by the
// rle_kernels_*.cc files; everything here has internal linkage.
//
// Why it is byte-identical to the byte-at-a-time state machine: the last
// content byte is always the final literal, so only y = content[0..n-1)
// is coded. In y, a maximal stretch of equal bytes shorter than 3 only
// ever adds literals, and the pending count then grows by one per literal
// byte, wrapping at 31 with one literals-only byte, whether the bytes come
// as singles or as pairs. A stretch of 3 or more (a "run") is cut into
// chunks of 255 and a rest; a rest of 1 or 2 is literals again. The one
// twist is pending count 0 at the start of a run: its first byte is then
// forced out as a single literal. So the encoder only has to find the runs
// of 3 or more; everything between them is copied and counted in bulk.
#ifndef DUNRA_CODEC_RLE_FAST_ENCODER_H_
#define DUNRA_CODEC_RLE_FAST_ENCODER_H_

#include <cstdint>
#include <cstring>

#include "codec/rle_fast_kernels.h"

namespace dunra::fast {
namespace {

struct EncoderOutput {
  uint8_t* control;
  uint8_t* literals;
  int32_t control_length;
  int32_t literal_count;
  int32_t pending;  // the literal count the next run byte would carry
};

// Accounts for m literal bytes already placed in the literal stream.
inline bool CountLiterals(EncoderOutput& out, int32_t m) {
  int32_t pending = out.pending + m;
  if (pending >= 31) {
    const int32_t literals_only = pending / 31;
    const int32_t room = kKernelControlCap - out.control_length;
    if (literals_only > room) {
      // Fill the stream to its limit as the byte-at-a-time encoder does.
      std::memset(out.control + out.control_length, 31, room);
      out.control_length += room;
      return false;
    }
    std::memset(out.control + out.control_length, 31, literals_only);
    out.control_length += literals_only;
    pending -= 31 * literals_only;
  }
  out.pending = pending;
  return true;
}

// Emits a run of length >= 3 of byte v in full generality: pending count
// 0, runs longer than 255, rests of 1 or 2, and an exact limit check.
// On overflow the control stream is left full, as the byte-at-a-time
// encoder leaves it.
inline bool EmitRun(EncoderOutput& out, uint8_t v, int32_t length) {
  if (out.pending == 0) {
    out.literals[out.literal_count++] = v;
    out.pending = 1;
    --length;
  }
  while (length >= 3) {
    const int32_t chunk = length > 255 ? 255 : length;
    if (chunk <= 7) {
      if (out.control_length + 1 > kKernelControlCap) return false;
      out.control[out.control_length++] =
          static_cast<uint8_t>(out.pending + 32 * chunk);
    } else {
      if (out.control_length + 2 > kKernelControlCap) {
        if (out.control_length < kKernelControlCap) {
          out.control[out.control_length++] = static_cast<uint8_t>(out.pending);
        }
        return false;
      }
      out.control[out.control_length++] = static_cast<uint8_t>(out.pending);
      out.control[out.control_length++] = static_cast<uint8_t>(chunk);
    }
    out.literals[out.literal_count++] = v;
    out.pending = 1;
    length -= chunk;
  }
  for (; length > 0; --length) {
    out.literals[out.literal_count++] = v;
    if (!CountLiterals(out, 1)) return false;
  }
  return true;
}

// First index >= k where y differs from v, or end. y[k - 1] == v.
template <class Ops>
inline int32_t RunEnd(const uint8_t* y, int32_t k, int32_t end, uint8_t v) {
  while (k + 64 <= end) {
    if (!Ops::AllEqual64(y + k, v)) {
      return k + __builtin_ctzll(~Ops::EqByteMask64(y + k, v));
    }
    k += 64;
  }
  while (k < end && y[k] == v) ++k;
  return k;
}

// What Ops::CodeDenseWindow did: runs coded (0 when it left the window
// alone), literals stored, and the window offset after the last run.
struct DenseWindowResult {
  int runs;
  int literals;
  int end;
};

// The same as the AVX-512 kernels' CodeDenseWindow (see there), one run
// at a time but without a branch per run: the checks are gathered and the
// work thrown away when one fails. It also leaves to the caller windows
// with more than 7 literals between two runs, so that 8-byte copies do.
template <class Ops>
DenseWindowResult CodeDenseWindowByRun(const uint8_t* yw, uint64_t equal,
                                       uint64_t starts, int pending,
                                       uint8_t* control, uint8_t* literals) {
  uint64_t run_last = ~equal & (equal << 1) & (equal << 2);
  if (run_last == 0) return {0, 0, 0};
  // The first run carries the pending count; its literals are stored.
  int start = __builtin_ctzll(starts), last = __builtin_ctzll(run_last);
  starts &= starts - 1;
  run_last &= run_last - 1;
  int length = last - start + 1;  // 3 or more
  int unfit = length & ~7;        // non-zero when length > 7
  control[0] = static_cast<uint8_t>(pending + 32 * length);
  literals[0] = yw[start];
  int runs = 1, literal_count = 1;
  while (run_last != 0) {
    const int previous_last = last;
    start = __builtin_ctzll(starts);
    last = __builtin_ctzll(run_last);
    starts &= starts - 1;
    run_last &= run_last - 1;
    length = last - start + 1;
    // The literals after the previous run, up to and with this run's byte;
    // also the count this run carries.
    const int carried = start - previous_last;  // 1 or more
    unfit |= (length & ~7) | ((carried - 1) & ~7);
    control[runs++] = static_cast<uint8_t>(carried + 32 * length);
    std::memcpy(literals + literal_count, yw + previous_last + 1, 8);
    literal_count += carried;
  }
  if (unfit != 0) return {0, 0, 0};
  return {runs, literal_count, last + 1};
}

template <class Ops>
KernelEncodeResult EncodeWith(const uint8_t* content, int32_t n,
                              uint8_t* control, uint8_t* literals) {
  constexpr KernelEncodeResult kTooLarge{0, 0, true};
  EncoderOutput out{control, literals, 0, 0, 1};
  const uint8_t* y = content;
  const int32_t end = n > 0 ? n - 1 : 0;  // y's length
  int32_t pos = 0;  // y[0..pos) is coded; pos starts a stretch of equal bytes

  // Windows of 64 candidate run starts, while every read (up to y[w + 127])
  // and every 64-byte literal store stays inside the buffers. Literals are
  // stored ahead speculatively: y[w..w+64) goes where it belongs if no run
  // starts in it, and is stored again after a run moves the offsets.
  int32_t w = 0;
  while (w + 128 <= end) {
    {
      // Windows without three equal bytes in a row are literals only.
      const uint8_t* p = y + w;
      const uint8_t* const last = y + (end - 128);
      uint8_t* l = out.literals + out.literal_count + (w - pos);
      while (p <= last && !Ops::HasTriple64(p)) {
        Ops::Copy64(l, p);
        p += 64;
        l += 64;
      }
      w = static_cast<int32_t>(p - y);
      if (p > last) break;
    }
    const uint64_t equal = Ops::EqMask64(y + w, y + w + 1);
    const uint64_t equal_next =
        (equal >> 1) | (static_cast<uint64_t>(y[w + 64] == y[w + 65]) << 63);
    // After the loads: a store the compiler must assume may alias them
    // would otherwise sit between them.
    Ops::Copy64(out.literals + out.literal_count + (w - pos), y + w);
    // A run starts where three bytes are equal and the one before differs.
    // Bit 0 needs no carry from the previous window: a run through w that
    // started earlier was handled there. Not 0, as the window holds three
    // equal bytes in a row.
    uint64_t starts = equal & equal_next & ~(equal << 1);
    const uint64_t last_of_stretch = ~equal;
    {
      // Literals up to the first run, then, where they fit, every run of
      // the window together.
      const int32_t j = w + __builtin_ctzll(starts);
      if (j != pos) {
        out.literal_count += j - pos;
        if (!CountLiterals(out, j - pos)) return kTooLarge;
        pos = j;
      }
      if (out.pending != 0 && out.control_length + 64 <= kKernelControlCap) {
        DenseWindowResult r;
        if constexpr (Ops::kCodesDenseWindows) {
          r = Ops::CodeDenseWindow(y + w, equal, starts, out.pending,
                                   out.control + out.control_length,
                                   out.literals + out.literal_count);
        } else {
          r = CodeDenseWindowByRun<Ops>(y + w, equal, starts, out.pending,
                                        out.control + out.control_length,
                                        out.literals + out.literal_count);
        }
        if (r.runs != 0) {
          out.control_length += r.runs;
          out.literal_count += r.literals;
          out.pending = 1;
          pos = w + r.end;
          if ((r.end == 64 ? 0 : starts >> r.end) == 0) {
            Ops::Copy64(out.literals + out.literal_count, y + pos);
            w += 64;
          } else {
            w = pos;  // a run leaves the window: the next one starts here
          }
          continue;
        }
      }
    }
    bool left_window = false;
    do {
      const int bit = __builtin_ctzll(starts);
      starts &= starts - 1;
      const int32_t j = w + bit;
      if (j != pos) {
        // Earlier runs in this window moved the offsets: store again.
        Ops::Copy64(out.literals + out.literal_count, y + pos);
        out.literal_count += j - pos;
        if (!CountLiterals(out, j - pos)) return kTooLarge;
      }
      const uint8_t v = y[j];
      const uint64_t run_ends = last_of_stretch >> bit;
      if (run_ends == 0) {
        const int32_t k = RunEnd<Ops>(y, w + 64, end, v);
        if (!EmitRun(out, v, k - j)) return kTooLarge;
        pos = k;
        left_window = true;
        break;
      }
      const int32_t length = __builtin_ctzll(run_ends) + 1;
      if (out.pending != 0 &&
          out.control_length + 2 <= kKernelControlCap) {
        // The common case, without branches on the run's length. The
        // second byte is written even for a short run; it is either kept
        // (long run) or overwritten later, and lies inside the limit.
        const bool is_short = length <= 7;
        out.control[out.control_length] = static_cast<uint8_t>(
            is_short ? out.pending + 32 * length : out.pending);
        out.control[out.control_length + 1] = static_cast<uint8_t>(length);
        out.control_length += is_short ? 1 : 2;
        out.literals[out.literal_count++] = v;
        out.pending = 1;
      } else if (!EmitRun(out, v, length)) {
        return kTooLarge;
      }
      pos = j + length;
    } while (starts != 0);
    if (left_window) {
      w = pos;
    } else {
      Ops::Copy64(out.literals + out.literal_count, y + pos);
      w += 64;
    }
  }

  // The last bytes, one at a time. The windows before w held no run start
  // past pos, and stored y[pos..w) in place already.
  int32_t stored = w > pos ? w : pos;
  while (pos < end) {
    int32_t j = stored;
    while (j + 2 < end && !(y[j] == y[j + 1] && y[j + 1] == y[j + 2])) ++j;
    if (j + 2 >= end) j = end;
    std::memcpy(out.literals + out.literal_count + (stored - pos), y + stored,
                j - stored);
    out.literal_count += j - pos;
    if (!CountLiterals(out, j - pos)) return kTooLarge;
    if (j == end) break;
    const int32_t k = RunEnd<Ops>(y, j + 3, end, y[j]);
    if (!EmitRun(out, y[j], k - j)) return kTooLarge;
    pos = stored = k;
  }

  if (out.control_length + 1 > kKernelControlCap) return kTooLarge;
  out.control[out.control_length++] = 31;
  out.literals[out.literal_count++] = n > 0 ? content[n - 1] : 0;
  return {out.control_length, out.literal_count, false};
}

}  // namespace
}  // namespace dunra::fast

#endif  // DUNRA_CODEC_RLE_FAST_ENCODER_H_
