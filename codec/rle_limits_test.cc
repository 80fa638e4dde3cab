#include <gtest/gtest.h>

#include "codec/rle_format.h"
#include "codec/rle_invariants.h"
#include "codec/rle_test_util.h"

namespace dunra {
namespace {

using testing::Bytes;
using testing::CodecUnderTest;
using testing::EncodeIntoExactBuffers;
using testing::kTxt;

class RleLimits : public ::testing::TestWithParam<CodecUnderTest> {};

INSTANTIATE_TEST_SUITE_P(Codecs, RleLimits, ::testing::ValuesIn(testing::kCodecsUnderTest),
                         testing::CodecName<::testing::TestParamInfo<CodecUnderTest>>);

struct ControlBoundCase {
  const char* name;
  uint8_t (*byte_at)(size_t index);
  size_t largest_fitting;  // needs exactly kMaxControlLength control bytes
};

Bytes Generate(const ControlBoundCase& c, size_t length) {
  Bytes content(length);
  for (size_t i = 0; i < length; ++i) content[i] = c.byte_at(i);
  return content;
}

// The two shapes that use the most control bytes per content byte: runs of
// exactly three (one short-run byte each) and bytes that never repeat (a
// literals-only byte per 31).
TEST_P(RleLimits, ControlStreamFitsToItsLastByteAndNoFurther) {
  const ControlBoundCase cases[] = {
      {"runs of three", [](size_t i) -> uint8_t { return (i / 3) % 2 ? 'B' : 'A'; }, 196'581},
      {"no two neighbours equal", [](size_t i) { return static_cast<uint8_t>(i); }, 2'031'336},
  };
  for (const ControlBoundCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes fits = Generate(c, c.largest_fitting);
    const Bytes file = EncodeIntoExactBuffers(fits, kTxt, GetParam().encode);
    EXPECT_EQ(file[3], 0xFF);  // LiteralOffset 65,535
    EXPECT_EQ(file[4], 0xFF);
    EXPECT_EQ(FindEncoderInvariantBreak(fits, file), "");
    EXPECT_EQ(testing::Decode(GetParam(), file).content, fits);

    const Bytes too_large = Generate(c, c.largest_fitting + 1);
    EXPECT_THROW(EncodeIntoExactBuffers(too_large, kTxt, GetParam().encode), ContentTooLarge);
    EXPECT_THROW(EncodeFile(too_large, kTxt), ContentTooLarge);
  }
}

TEST_P(RleLimits, ContentSizeStopsAt24Bits) {
  const Bytes content(kMaxContentSize + 1, 'A');
  Bytes header(kHeaderBufferSize, 0xEE);
  Bytes literals(content.size() + 1, 0xEE);
  const auto encode = GetParam().encode;

  // 2^24 bytes: refused for the size alone, before anything is written.
  EXPECT_THROW(encode(content.data(), kMaxContentSize + 1, header.data(), literals.data()),
               ContentTooLarge);
  EXPECT_EQ(header[kHeaderSize], 0xEE);
  EXPECT_EQ(literals[0], 0xEE);
  EXPECT_THROW(EncodeFile(content, kTxt), ContentTooLarge);

  // 2^24 - 1 bytes pass the size test. No content that long fits the
  // control stream, so it is refused when the control stream is full, and
  // the last byte of the header buffer's room stays unused.
  EXPECT_THROW(encode(content.data(), kMaxContentSize, header.data(), literals.data()),
               ContentTooLarge);
  EXPECT_NE(header[kHeaderSize + kMaxControlLength - 1], 0xEE);
  EXPECT_EQ(header[kHeaderSize + kMaxControlLength], 0xEE);

  EXPECT_THROW(encode(content.data(), -1, header.data(), literals.data()), CodecError);
}

}  // namespace
}  // namespace dunra
