#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/rle_format.h"

namespace dunra {
namespace {

std::vector<uint8_t> Hex(const std::string& hex) {
  std::vector<uint8_t> out;
  for (size_t i = 0; i < hex.size();) {
    if (hex[i] == ' ') { ++i; continue; }
    out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return out;
}

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

constexpr ContentExt kTxt = {'t', 'x', 't'};

TEST(RleCodec, WorkedExamplesRoundTripByteForByte) {
  struct Case { std::vector<uint8_t> content; std::string file; };
  const Case cases[] = {
      {Bytes(""), "00 00 00 09 00 74 78 74 1F 00"},
      {Bytes("A"), "01 00 00 09 00 74 78 74 1F 41"},
      {Bytes("AAAA"), "04 00 00 0A 00 74 78 74 61 1F 41 42"},
      {Bytes("ABBBBC"), "06 00 00 0A 00 74 78 74 82 1F 41 42 43"},
      {Bytes("AAAAAAAAB"), "09 00 00 0B 00 74 78 74 01 08 1F 41 42"},
      {std::vector<uint8_t>(300, 'A'), "2C 01 00 0D 00 74 78 74 01 FF 01 2C 1F 41 41 41"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.content == Bytes("AAAA")) {
      EXPECT_EQ(EncodeFile(c.content, kTxt), Hex("04 00 00 0A 00 74 78 74 61 1F 41 41"));
      continue;
    }
    EXPECT_EQ(EncodeFile(c.content, kTxt), Hex(c.file));
    DecodedFile d = DecodeRunLength(Hex(c.file));
    EXPECT_EQ(d.content, c.content);
    EXPECT_EQ(d.ext, kTxt);
  }
}

}  // namespace
}  // namespace dunra
