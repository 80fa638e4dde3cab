#include "codec/rle_invariants.h"

#include <cstdint>

namespace dunra {

std::string FindEncoderInvariantBreak(std::span<const uint8_t> content,
                                      std::span<const uint8_t> file) {
  if (file.size() < static_cast<size_t>(kHeaderSize) + 2) return "file too short";
  const int64_t n = file[0] | file[1] << 8 | file[2] << 16;
  const int64_t literal_offset = file[3] | file[4] << 8;
  if (n != static_cast<int64_t>(content.size())) return "ContentSize differs from the content's length";
  if (literal_offset < kHeaderSize + 1) return "control stream is empty";
  if (literal_offset >= static_cast<int64_t>(file.size())) return "literal stream is empty";

  const std::span<const uint8_t> control = file.subspan(kHeaderSize, literal_offset - kHeaderSize);
  const std::span<const uint8_t> literals = file.subspan(literal_offset);
  if (control.back() != kLiteralsOnly) return "control stream does not end with the closing byte";

  int64_t repeats = 0;
  for (size_t i = 0; i + 1 < control.size(); ++i) {
    const uint8_t b = control[i];
    if (b == kLiteralsOnly) continue;
    const int literal_count = b & 31;
    if (literal_count < 1 || literal_count > 30) {
      return "control byte " + std::to_string(i) + " has literal count " + std::to_string(literal_count);
    }
    int run;
    if (b >= 32) {
      run = b >> 5;
      if (run < 3) return "short-run byte " + std::to_string(i) + " has run " + std::to_string(run);
    } else {
      if (i + 2 >= control.size()) return "long-run byte " + std::to_string(i) + " has no run-length byte";
      run = control[++i];
      if (run < 8) return "long-run byte at " + std::to_string(i - 1) + " has run " + std::to_string(run);
    }
    repeats += run - 1;
  }

  const int64_t expected_literals = n == 0 ? 1 : n - repeats;
  if (static_cast<int64_t>(literals.size()) != expected_literals) {
    return "literal stream holds " + std::to_string(literals.size()) + " bytes, expected " +
           std::to_string(expected_literals);
  }
  const uint8_t last = content.empty() ? 0 : content.back();
  if (literals.back() != last) return "final literal is not the content's last byte";
  return "";
}

}  // namespace dunra
