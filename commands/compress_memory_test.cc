// How much memory a compress holds at once: the source, the encoded
// streams and the check's decoded copy, and nothing more. Counted by
// replacing the global allocation functions, so this test has its own
// program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "commands/commands_test_util.h"
#include "commands/compress.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace {

// Each block carries its size in front of it.
constexpr size_t kPrefix = alignof(std::max_align_t);
size_t live_bytes = 0;
size_t peak_bytes = 0;

void* Allocate(size_t size) {
  void* block = std::malloc(size + kPrefix);
  if (block == nullptr) throw std::bad_alloc();
  *static_cast<size_t*>(block) = size;
  live_bytes += size;
  if (live_bytes > peak_bytes) peak_bytes = live_bytes;
  return static_cast<char*>(block) + kPrefix;
}

void Release(void* p) {
  if (p == nullptr) return;
  void* block = static_cast<char*>(p) - kPrefix;
  live_bytes -= *static_cast<size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete[](void* p, size_t) noexcept { Release(p); }

namespace dunra {
namespace {

TEST(CompressMemory, HoldsTheSourceTheStreamsAndOneDecodedCopyAtMost) {
  TempFolder dir;
  PosixFileSystem fs;
  constexpr size_t n = 1'500'000;
  dir.Write("a.bin", testing_util::NoRuns(n));

  const size_t before = live_bytes;
  peak_bytes = live_bytes;
  const CommandResult result = CompressFile(fs, dir / "a.bin");
  const size_t peak = peak_bytes - before;

  EXPECT_EQ(result.content_size, static_cast<int64_t>(n));
  RecordProperty("peak_bytes", std::to_string(peak));
  // Source n, literals n + 1, decoded copy n + 1, header buffer 64 KiB;
  // a few KiB for names and reasons.
  EXPECT_LE(peak, 3 * n + 2 + 65'536 + 8'192);
  EXPECT_GE(peak, 3 * n);  // the counting works
}

}  // namespace
}  // namespace dunra
