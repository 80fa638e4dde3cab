// The fast encoder and decoder against the byte-at-a-time ones, on every
// path this processor can run: the same bytes, and the same inputs
// refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "codec/rle_fast.h"
#include "codec/rle_test_util.h"

namespace dunra {
namespace {

using fast::CodecPath;
using testing::Bytes;
using testing::Concat;
using testing::DecodeOn;
using testing::EncodeOn;
using testing::SupportedPaths;

// Returns the reference encoding after checking every fast path against it.
std::optional<Bytes> ExpectSameEncoding(const Bytes& content) {
  const std::optional<Bytes> expected = EncodeOn(content, std::nullopt);
  for (CodecPath path : SupportedPaths()) {
    const std::optional<Bytes> actual = EncodeOn(content, path);
    EXPECT_EQ(actual.has_value(), expected.has_value())
        << fast::CodecPathName(path) << ", " << content.size() << " bytes";
    if (actual && expected && *actual != *expected) {
      const auto diff = std::mismatch(actual->begin(), actual->end(),
                                      expected->begin(), expected->end());
      ADD_FAILURE() << fast::CodecPathName(path) << ", " << content.size()
                    << " bytes: files differ from byte "
                    << (diff.first - actual->begin()) << " (lengths "
                    << actual->size() << ", " << expected->size() << ")";
    }
  }
  return expected;
}

void ExpectSameDecoding(const Bytes& file) {
  const std::optional<Bytes> expected = DecodeOn(file, std::nullopt);
  for (CodecPath path : SupportedPaths()) {
    const std::optional<Bytes> actual = DecodeOn(file, path);
    EXPECT_EQ(actual.has_value(), expected.has_value())
        << fast::CodecPathName(path) << ", file of " << file.size() << " bytes";
    if (actual && expected) {
      EXPECT_TRUE(*actual == *expected)
          << fast::CodecPathName(path) << ", file of " << file.size() << " bytes";
    }
  }
}

void ExpectSameBothWays(const Bytes& content) {
  const std::optional<Bytes> file = ExpectSameEncoding(content);
  ASSERT_TRUE(file.has_value()) << content.size() << " bytes refused";
  ExpectSameDecoding(*file);
}

// count bytes cycling through 1..200: no two neighbours equal, never 0xFF.
Bytes Filler(size_t count, int phase = 0) {
  Bytes out(count);
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(1 + (i + phase) % 200);
  return out;
}

// Run lengths around every cut the encoders make: short and long runs,
// vector widths, and the 255 limit.
constexpr int kRunLengths[] = {1,  2,  3,  4,  5,  6,  7,  8,   9,   30,  31,
                               32, 33, 62, 63, 64, 65, 66, 127, 128, 129, 254,
                               255, 256, 257, 258, 510, 511, 766};

TEST(FastCodec, MatchesReferenceForOneRunAtEveryOffset) {
  // The run's start sweeps across two 64-byte windows and every pending
  // count (the prefix's literals set it); the suffix either keeps the run
  // inside the vector loop or makes it end at, or one before, the last byte.
  for (int prefix = 0; prefix < 200; ++prefix) {
    for (int run : kRunLengths) {
      for (int suffix : {0, 1, 2, 3, 260}) {
        SCOPED_TRACE("prefix " + std::to_string(prefix) + " run " +
                     std::to_string(run) + " suffix " + std::to_string(suffix));
        ExpectSameBothWays(
            Concat({Filler(prefix), Bytes(run, 0xFF), Filler(suffix, 7)}));
      }
    }
  }
}

TEST(FastCodec, MatchesReferenceForRunsSharingAWindow) {
  // Gaps around the 7 and 30 literals that decide whether a window's runs
  // can be coded together, lengths around the short-run limit.
  for (int first = 3; first <= 9; ++first) {
    for (int gap = 0; gap <= 33; ++gap) {
      for (int second : {3, 7, 8, 40, 300}) {
        for (int prefix : {0, 29, 30, 60, 61}) {
          for (int third_gap : {-1, 0, 30}) {
            const Bytes third = third_gap < 0 ? Bytes{}
                                              : Concat({Filler(third_gap, 5), Bytes(3, 0xFD)});
            ExpectSameBothWays(Concat({Filler(prefix), Bytes(first, 0xFF), Filler(gap, 3),
                                       Bytes(second, 0xFE), third, Filler(200, 9)}));
          }
        }
      }
    }
  }
}

// Runs with mostly short lengths over a small alphabet, so that pairs,
// pending counts of every value and runs next to runs all occur.
Bytes RandomMix(std::mt19937& rng, size_t size) {
  static constexpr int kLengths[] = {1, 1, 1, 1, 2, 2, 3, 3, 4, 5, 6, 7, 8,
                                     9, 12, 30, 60, 254, 255, 256, 257, 600};
  std::uniform_int_distribution<int> pick(0, std::size(kLengths) - 1);
  std::uniform_int_distribution<int> alphabet(0, 3);
  Bytes out;
  while (out.size() < size) {
    out.insert(out.end(), kLengths[pick(rng)],
               static_cast<uint8_t>(alphabet(rng)));
  }
  out.resize(size);
  return out;
}

TEST(FastCodec, MatchesReferenceOnRandomMixes) {
  std::mt19937 rng(20261211);
  std::uniform_int_distribution<int> small(0, 700);
  for (int i = 0; i < 400; ++i) ExpectSameBothWays(RandomMix(rng, small(rng)));
  for (int i = 0; i < 10; ++i) ExpectSameBothWays(RandomMix(rng, 60'000 + i));
  // Random bytes: literals nearly everywhere, runs of three now and then.
  Bytes noise(1'500'000);
  for (uint8_t& b : noise) b = static_cast<uint8_t>(rng() % 7 == 0 ? 0 : rng());
  ExpectSameBothWays(noise);
}

// Contents near the control stream's limit of 65,527 bytes: every encoder
// must refuse exactly the same ones, whichever append overflows.
TEST(FastCodec, RefusesExactlyWhereTheReferenceDoes) {
  struct Case {
    const char* name;
    Bytes content;
    bool fits;
  };
  auto runs = [](int count, int length, Bytes tail) {
    Bytes out;
    for (int i = 0; i < count; ++i) out.insert(out.end(), length, static_cast<uint8_t>(i % 2));
    return Concat({out, tail});
  };
  auto three_runs = [&](size_t size) {
    Bytes out = runs(size / 3 + 1, 3, {});
    out.resize(size);
    return out;
  };
  const Case cases[] = {
      // No two neighbours equal: floor(N / 31) + 1 control bytes.
      {"singles that fit", Filler(2'031'336), true},
      {"one single more", Filler(2'031'337), false},
      // Runs of three: floor((N - 1) / 3) + 1 control bytes.
      {"runs of three that fit", three_runs(196'581), true},
      {"one byte more", three_runs(196'582), false},
      // 32,763 long runs take 65,526 bytes: the closing byte fits...
      {"long runs that fit", runs(32'763, 8, {9}), true},
      // ...but not after one more short run, nor half a long-run byte.
      {"closing byte overflows", runs(32'763, 8, {9, 9, 9, 5}), false},
      {"run-length byte overflows", runs(32'764, 8, {9}), false},
      {"short run then closing fit", runs(32'762, 8, {9, 9, 9, 5}), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<Bytes> file = ExpectSameEncoding(c.content);
    EXPECT_EQ(file.has_value(), c.fits);
  }
  for (CodecPath path : SupportedPaths()) {
    Bytes header(kHeaderBufferSize), literals(1);
    EXPECT_THROW(fast::EncodeRunLength(literals.data(), kMaxContentSize + 1,
                                       header.data(), literals.data(), path),
                 ContentTooLarge);
  }
}

// Damaged files: the fast decoder must refuse exactly those the reference
// refuses and agree on the rest, in its unchecked loop as near the ends.
TEST(FastCodec, DecodersAgreeOnDamagedFiles) {
  std::mt19937 rng(7);
  std::vector<Bytes> files;
  for (size_t size : {0, 1, 2, 40, 400, 3'000, 50'000}) {
    files.push_back(*EncodeOn(RandomMix(rng, size), std::nullopt));
  }
  files.push_back(*EncodeOn(Filler(20'000), std::nullopt));
  for (const Bytes& original : files) {
    ExpectSameDecoding(original);
    const size_t literal_offset = original[3] | original[4] << 8;
    std::uniform_int_distribution<size_t> anywhere(0, original.size() - 1);
    std::uniform_int_distribution<size_t> in_control(8, literal_offset - 1);
    for (int i = 0; i < 300; ++i) {
      Bytes file = original;
      switch (i % 6) {
        case 0:  // any byte of the control stream
          file[in_control(rng)] = static_cast<uint8_t>(rng());
          break;
        case 1: {  // a run of zero, a run before any literal, a literals-only byte
          const size_t at = rng() % 3 == 0 ? 8 : in_control(rng);
          file[at] = std::array<uint8_t, 4>{0, 0xE0, 0x20, 31}[rng() % 4];
          if (at + 1 < literal_offset && rng() % 2 == 0) file[at + 1] = 0;
          break;
        }
        case 2:  // cut short
          file.resize(anywhere(rng));
          break;
        case 3: {  // another content size, a little or a lot
          const int32_t n = (file[0] | file[1] << 8 | file[2] << 16) +
                            static_cast<int32_t>(rng() % 9) - 4 +
                            (rng() % 4 == 0 ? static_cast<int32_t>(rng() % 100'000) : 0);
          file[0] = static_cast<uint8_t>(n);
          file[1] = static_cast<uint8_t>(n >> 8);
          file[2] = static_cast<uint8_t>(n >> 16);
          break;
        }
        case 4:  // another literal offset
          file[3] = static_cast<uint8_t>(file[3] + rng() % 5 - 2);
          break;
        case 5:  // bytes after the final literal
          file.insert(file.end(), rng() % 70, static_cast<uint8_t>(rng()));
          break;
      }
      ExpectSameDecoding(file);
    }
  }
}

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

TEST(FastCodec, MatchesReferenceOnTheFuzzCorpora) {
  const std::filesystem::path corpus = DUNRA_FUZZ_CORPUS_DIR;
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(corpus / "compressed_files")) {
    SCOPED_TRACE(entry.path().string());
    ExpectSameDecoding(ReadFile(entry.path()));
    ++seen;
  }
  for (const auto& entry : std::filesystem::directory_iterator(corpus / "contents")) {
    SCOPED_TRACE(entry.path().string());
    const Bytes content = ReadFile(entry.path());
    if (const std::optional<Bytes> file = ExpectSameEncoding(content)) {
      ExpectSameDecoding(*file);
    }
    ++seen;
  }
  EXPECT_GT(seen, 0);
}

}  // namespace
}  // namespace dunra
