#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codec/rle_format.h"
#include "codec/rle_invariants.h"
#include "codec/rle_test_util.h"

namespace dunra {
namespace {

using testing::Ascending;
using testing::Bytes;
using testing::CodecUnderTest;
using testing::Concat;
using testing::EncodeIntoExactBuffers;
using testing::Hex;
using testing::kTxt;
using testing::Repeat;
using testing::Text;

class RleCodec : public ::testing::TestWithParam<CodecUnderTest> {
 protected:
  Bytes Encode(const Bytes& content, const ContentExt& ext = kTxt) {
    return EncodeIntoExactBuffers(content, ext, GetParam().encode);
  }
  DecodedFile Decode(const Bytes& file) { return testing::Decode(GetParam(), file); }

  void ExpectRoundTrip(const Bytes& content) {
    const Bytes file = Encode(content);
    ASSERT_EQ(FindEncoderInvariantBreak(content, file), "");
    ASSERT_EQ(Decode(file).content, content);
  }
};

INSTANTIATE_TEST_SUITE_P(Codecs, RleCodec, ::testing::ValuesIn(testing::kCodecsUnderTest),
                         testing::CodecName<::testing::TestParamInfo<CodecUnderTest>>);

struct EncodeCase {
  const char* name;
  Bytes content;
  Bytes file;
  ContentExt ext = kTxt;
};

// Whole files, byte for byte, each both written and read: the worked
// examples of the format and the encoder's turning points.
const std::vector<EncodeCase>& EncodeCases() {
  static const std::vector<EncodeCase> cases = {
      {"empty", {}, Hex("00 00 00 09 00 74 78 74  1F  00")},
      {"A", Text("A"), Hex("01 00 00 09 00 74 78 74  1F  41")},
      {"AA", Text("AA"), Hex("02 00 00 09 00 74 78 74  1F  41 41")},
      {"AAA: last byte never in a run", Text("AAA"),
       Hex("03 00 00 09 00 74 78 74  1F  41 41 41")},
      {"AAAA", Text("AAAA"), Hex("04 00 00 0A 00 74 78 74  61 1F  41 41")},
      {"AAAB: short run of 3", Text("AAAB"), Hex("04 00 00 0A 00 74 78 74  61 1F  41 42")},
      {"ABABAB", Text("ABABAB"), Hex("06 00 00 09 00 74 78 74  1F  41 42 41 42 41 42")},
      {"ABBBBC", Text("ABBBBC"), Hex("06 00 00 0A 00 74 78 74  82 1F  41 42 43")},
      {"AAAAAAAAB: long run", Text("AAAAAAAAB"),
       Hex("09 00 00 0B 00 74 78 74  01 08 1F  41 42")},
      {"31 different bytes: first literals-only byte cut to 30", Ascending(0x30, 31),
       Concat({Hex("1F 00 00 0A 00 74 78 74  1F 1F"), Ascending(0x30, 31)})},
      {"40 different bytes: second literals-only byte cut to 8", Ascending(0x30, 40),
       Concat({Hex("28 00 00 0A 00 74 78 74  1F 1F"), Ascending(0x30, 40)})},
      {"300 x A: runs of 255 and 44", Repeat('A', 300),
       Hex("2C 01 00 0D 00 74 78 74  01 FF 01 2C 1F  41 41 41")},
      {"30 singles then ZZZZ: covered literal stays single",
       Concat({Ascending(0x41, 30), Text("ZZZZ")}),
       Concat({Hex("22 00 00 0A 00 74 78 74  1F 1F"), Ascending(0x41, 30), Text("ZZZZ")})},
      {"29 singles then AAAAB: literal count 30", Concat({Ascending(0x61, 29), Text("AAAAB")}),
       Concat({Hex("22 00 00 0A 00 74 78 74  9E 1F"), Ascending(0x61, 29), Text("AB")})},
      {"pending 29 then a pair: literals-only byte, pending 0",
       Concat({Ascending(0x61, 28), Text("ZZAAAAB")}),
       Concat({Hex("23 00 00 0B 00 74 78 74  1F 61 1F"), Ascending(0x61, 28), Text("ZZAAB")})},
      {"pending 30 then a pair: literals-only byte, pending 1",
       Concat({Ascending(0x61, 29), Text("ZZAAAAB")}),
       Concat({Hex("24 00 00 0B 00 74 78 74  1F 81 1F"), Ascending(0x61, 29), Text("ZZAB")})},
      {"255 x A then B", Concat({Repeat('A', 255), Text("B")}),
       Hex("00 01 00 0B 00 74 78 74  01 FF 1F  41 42")},
      {"256 x A at the end", Repeat('A', 256), Hex("00 01 00 0B 00 74 78 74  01 FF 1F  41 41")},
      {"extension bytes pass through, zeros included", Text("A"),
       Hex("01 00 00 09 00 63 00 00  1F  41"), {'c', 0, 0}},
  };
  return cases;
}

TEST_P(RleCodec, WritesAndReadsExactFiles) {
  for (const EncodeCase& c : EncodeCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Encode(c.content, c.ext), c.file);
    EXPECT_EQ(FindEncoderInvariantBreak(c.content, c.file), "");
    const DecodedFile decoded = Decode(c.file);
    EXPECT_EQ(decoded.content, c.content);
    EXPECT_EQ(decoded.ext, c.ext);
  }
}

TEST(RleFileFunctions, WholeFileInterfaceMatchesTheRawOne) {
  for (const EncodeCase& c : EncodeCases()) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(EncodeFile(c.content, c.ext), c.file);
    const DecodedFile decoded = DecodeRunLength(c.file);
    EXPECT_EQ(decoded.content, c.content);
    EXPECT_EQ(decoded.ext, c.ext);
  }
}

TEST_P(RleCodec, LeavesHeaderBytesToTheCaller) {
  const Bytes content = Text("ABBBBC");
  Bytes header(kHeaderBufferSize, 0xEE);
  Bytes literals(content.size() + 1, 0xEE);
  const EncodedLengths lengths = GetParam().encode(
      content.data(), static_cast<int32_t>(content.size()), header.data(), literals.data());
  EXPECT_EQ(lengths.control_length, 2);
  EXPECT_EQ(lengths.literal_count, 3);
  EXPECT_EQ(Bytes(header.begin(), header.begin() + 11), Hex("EE EE EE EE EE EE EE EE  82 1F EE"));
  EXPECT_EQ(literals, Hex("41 42 43 EE EE EE EE"));
}

// Contents built around the places where the encoder's state changes: the
// pending count near 31, a pair that crosses it, runs at and around every
// length boundary, and what follows the last run.
TEST_P(RleCodec, RoundTripsStructuredContents) {
  for (size_t length : {0, 1, 2, 3, 30, 31, 32, 40}) {
    SCOPED_TRACE(length);
    ExpectRoundTrip(Ascending(0x30, length));
    ExpectRoundTrip(Repeat('A', length));
  }
  const Bytes tails[] = {{}, Text("B"), Text("BB"), Text("BBB"), Text("BA")};
  for (size_t singles : {0, 1, 2, 27, 28, 29, 30, 31}) {
    for (bool pair : {false, true}) {
      for (size_t run : {1, 2, 3, 4, 7, 8, 9, 30, 31, 40, 254, 255, 256, 257, 510}) {
        for (const Bytes& tail : tails) {
          const Bytes content = Concat(
              {Ascending(0x61, singles), pair ? Text("ZZ") : Bytes{}, Repeat('A', run), tail});
          SCOPED_TRACE(::testing::Message() << "singles " << singles << " pair " << pair
                                            << " run " << run << " tail " << tail.size());
          ExpectRoundTrip(content);
        }
      }
    }
  }
}

// Runs of random lengths over a small alphabet, so that neighbouring runs
// often merge and the state machine sees every transition in many orders.
TEST_P(RleCodec, RoundTripsRandomRunMixes) {
  std::mt19937 random(20240611);
  std::discrete_distribution<int> kind({35, 20, 25, 15, 5});
  for (int trial = 0; trial < 300; ++trial) {
    Bytes content;
    const size_t target = std::uniform_int_distribution<size_t>(0, 3000)(random);
    while (content.size() < target) {
      size_t run = 1;
      switch (kind(random)) {
        case 0: run = 1; break;
        case 1: run = 2; break;
        case 2: run = std::uniform_int_distribution<size_t>(3, 7)(random); break;
        case 3: run = std::uniform_int_distribution<size_t>(8, 300)(random); break;
        case 4: run = std::uniform_int_distribution<size_t>(300, 800)(random); break;
      }
      const auto byte = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 3)(random));
      content.insert(content.end(), run, byte);
    }
    SCOPED_TRACE(trial);
    ExpectRoundTrip(content);
  }
}

}  // namespace
}  // namespace dunra
