// Helpers shared by the commands' tests.
#ifndef DUNRA_COMMANDS_COMMANDS_TEST_UTIL_H_
#define DUNRA_COMMANDS_COMMANDS_TEST_UTIL_H_

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "codec/rle_format.h"
#include "codec/rle_test_util.h"
#include "commands/command_error.h"

namespace dunra::testing_util {

inline std::vector<uint8_t> Bytes(const std::string& s) {
  return {s.begin(), s.end()};
}

// "06 00 0A" -> {0x06, 0x00, 0x0A}
using dunra::testing::Hex;

// "txt" -> the stored extension bytes 't', 'x', 't'; three bytes, zeros
// included ("c\0\0"s).
inline ContentExt Ext(const std::string& three) {
  return {static_cast<uint8_t>(three[0]), static_cast<uint8_t>(three[1]),
          static_cast<uint8_t>(three[2])};
}

// n bytes in which no two neighbours are equal: the most control bytes
// a content of that length can need.
inline std::vector<uint8_t> NoRuns(size_t n) {
  std::vector<uint8_t> out(n);
  uint32_t x = 12345;
  for (size_t i = 0; i < n; ++i) {
    x = x * 1103515245 + 12345;
    out[i] = static_cast<uint8_t>(x >> 16);
    if (i > 0 && out[i] == out[i - 1]) ++out[i];
  }
  return out;
}

// Makes path a sparse file of length bytes; false when the folder's file
// system cannot.
inline bool MakeSparseFile(const std::string& path, int64_t length) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const bool ok = ::ftruncate(fd, length) == 0;
  ::close(fd);
  return ok;
}

template <typename Call>
std::optional<Failure> FailureOf(Call call) {
  try {
    call();
  } catch (const CommandError& e) {
    return e.failure();
  }
  return std::nullopt;
}

}  // namespace dunra::testing_util

#endif  // DUNRA_COMMANDS_COMMANDS_TEST_UTIL_H_
