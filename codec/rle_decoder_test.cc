#include <gtest/gtest.h>

#include <vector>

#include "codec/rle_format.h"
#include "codec/rle_test_util.h"

namespace dunra {
namespace {

using testing::Ascending;
using testing::Bytes;
using testing::CodecUnderTest;
using testing::Concat;
using testing::Hex;
using testing::kTxt;
using testing::Text;

class RleDecoder : public ::testing::TestWithParam<CodecUnderTest> {
 protected:
  DecodedFile Decode(const Bytes& file) { return testing::Decode(GetParam(), file); }
};

INSTANTIATE_TEST_SUITE_P(Codecs, RleDecoder, ::testing::ValuesIn(testing::kCodecsUnderTest),
                         testing::CodecName<::testing::TestParamInfo<CodecUnderTest>>);

struct DecodeCase {
  const char* name;
  Bytes file;
  Bytes content;
};

// Files the encoder never writes but the reading rule defines; the encoder
// tests read back every file the encoder writes.
TEST_P(RleDecoder, DecodesFilesByTheReadingRule) {
  const DecodeCase cases[] = {
      {"short-run byte with run length 1 repeats nothing",
       Hex("03 00 00 0A 00 74 78 74  22 1F  41 42 43"), Text("ABC")},
      {"long-run byte with run length 1 repeats nothing",
       Hex("03 00 00 0A 00 74 78 74  02 01  41 42 43"), Text("ABC")},
      {"run of literal count 0 repeats an earlier control byte's literal",
       Hex("05 00 00 0A 00 74 78 74  41 60  41 42"), Text("AAAAB")},
      {"bytes after the final literal are ignored",
       Hex("01 00 00 09 00 74 78 74  1F  41 99 99"), Hex("41")},
      {"control bytes never reached are ignored",
       Hex("06 00 00 0C 00 74 78 74  82 1F 55 00  41 42 43"), Text("ABBBBC")},
      {"no control stream when none is read", Hex("01 00 00 08 00 74 78 74  41"), Hex("41")},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedFile decoded = Decode(c.file);
    EXPECT_EQ(decoded.content, c.content);
    EXPECT_EQ(decoded.ext, kTxt);
  }
}

// Each file would make the steps read past the input or store past the
// output, or breaks the structure every encoder output has.
TEST_P(RleDecoder, RejectsMalformedFiles) {
  const DecodeCase cases[] = {
      {"empty input", {}, {}},
      {"shorter than the header", Hex("00 00 00 09 00 74 78"), {}},
      {"final literal past the end", Hex("01 00 00 0A 00 74 78 74  1F 41"), {}},
      {"final literal missing for empty content", Hex("00 00 00 09 00 74 78 74  1F"), {}},
      {"final literal missing, no control stream", Hex("01 00 00 08 00 74 78 74"), {}},
      {"run too long for the output", Hex("02 00 00 09 00 74 78 74  E0  41"), {}},
      {"literal offset inside the header", Hex("01 00 00 07 00 74 78 74  41"), {}},
      {"literal offset zero", Hex("00 00 00 00 00 74 78 74  00"), {}},
      {"literal offset beyond the end", Hex("01 00 00 0B 00 74 78 74  1F  41"), {}},
      {"control cursor runs into the literals",
       Concat({Hex("28 00 00 09 00 74 78 74  1F"), Ascending(0x30, 40)}), {}},
      {"run-length byte would be a literal", Hex("0A 00 00 09 00 74 78 74  01  41 42 43"), {}},
      {"literal stream ends early", Hex("0A 00 00 09 00 74 78 74  1F  41 42 43"), {}},
      {"run length 0", Hex("05 00 00 0B 00 74 78 74  01 00 1F  41 42 43 44 45"), {}},
      {"run into the final literal's place", Hex("03 00 00 0A 00 74 78 74  61 1F  41 42"), {}},
      {"run before any literal", Hex("05 00 00 0A 00 74 78 74  60 1F  41 42 43 44 45"), {}},
      {"size beyond what the control stream describes", Hex("FF FF FF 09 00 74 78 74  1F  41"), {}},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(Decode(c.file), MalformedFile);
  }
}

TEST_P(RleDecoder, DecodesStreamsHeldApart) {
  const Bytes header_and_control = Hex("06 00 00 0A 00 74 78 74  82 1F");
  const Bytes literals = Hex("41 42 43");
  const auto decode_streams = GetParam().decode_streams;
  EXPECT_EQ(decode_streams(header_and_control, literals).content, Text("ABBBBC"));
  // The first piece must end exactly where the literal offset points.
  EXPECT_THROW(decode_streams(Hex("06 00 00 0A 00 74 78 74  82"), Hex("1F 41 42 43")), MalformedFile);
  EXPECT_THROW(decode_streams(Hex("06 00 00 0A 00 74 78 74  82 1F 41"), Hex("42 43")), MalformedFile);
}

}  // namespace
}  // namespace dunra
