#include "commands/extract.h"

#include <gtest/gtest.h>

#include "commands/commands_test_util.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

using namespace testing_util;

const std::vector<uint8_t> kNotes =
    Hex("2C 01 00 0D 00 74 78 74 01 FF 01 2C 1F 41 41 41");

class ExtractTest : public ::testing::Test {
 protected:
  TempFolder dir_;
  PosixFileSystem fs_;
};

TEST_F(ExtractTest, RestoresTheWorkedExample) {
  dir_.Write("notes.dun", kNotes);
  const CommandResult result = ExtractFile(fs_, dir_ / "notes.dun");
  EXPECT_EQ(result.output_path, dir_ / "notes.txt");
  EXPECT_EQ(result.content_size, 300);
  EXPECT_EQ(result.compressed_size, 16);
  EXPECT_EQ(dir_.Read("notes.txt"), Bytes(std::string(300, 'A')));
  EXPECT_EQ(dir_.Read("notes.dun"), kNotes);
}

TEST_F(ExtractTest, ReadingACompressedFileDecodesItAndWritesNothing) {
  dir_.Write("notes.dun", kNotes);
  int64_t compressed_size = 0;
  const DecodedFile decoded =
      ReadCompressedFile(fs_, dir_ / "notes.dun", &compressed_size);
  EXPECT_EQ(decoded.content, Bytes(std::string(300, 'A')));
  EXPECT_EQ(decoded.ext, (ContentExt{'t', 'x', 't'}));
  EXPECT_EQ(compressed_size, 16);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"notes.dun"});
}

TEST_F(ExtractTest, RefusesWhatIsNoCompressedFileBeforeWriting) {
  struct Case {
    std::string name;
    std::vector<uint8_t> content;
    Failure failure;
  };
  const Case cases[] = {
      {"short.dun", Hex("06 00 00 0A"), Failure::kNotCompressed},
      {"offset.dun", Hex("06 00 00 FF 00 74 78 74 82 1F 41 42 43"),
       Failure::kNotCompressed},
      {"literals.dun", Hex("06 00 00 0A 00 74 78 74 82 1F 41"),
       Failure::kNotCompressed},
      {"slash.dun", Hex("01 00 00 09 00 2F 00 00 1F 41"),
       Failure::kUnsafeExtension},
      // Extracted as "..", the folder above.
      {"abc", Hex("01 00 00 09 00 2E 2E 00 1F 41"), Failure::kUnsafeExtension},
      {"ab", Hex("01 00 00 09 00 74 78 74 1F 41"), Failure::kUnsafeExtension},
  };
  for (const Case& c : cases) dir_.Write(c.name, c.content);
  const auto names = dir_.Names();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FailureOf([&] { ExtractFile(fs_, dir_ / c.name); }), c.failure);
  }
  EXPECT_EQ(dir_.Names(), names);
}

TEST_F(ExtractTest, RefusesAFileLongerThanAnyCompressedFileFromItsLength) {
  if (!MakeSparseFile(dir_ / "big.dun", kMaxCompressedSize + 1)) {
    GTEST_SKIP() << "no sparse files here";
  }
  EXPECT_EQ(FailureOf([&] { ExtractFile(fs_, dir_ / "big.dun"); }),
            Failure::kNotCompressed);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"big.dun"});
}

TEST_F(ExtractTest, WritesWhereTheCallerSaysAndKeepsAnOutputOnRequest) {
  dir_.Write("notes.dun", kNotes);
  dir_.Write("notes.txt", "older");
  ExtractOptions options;
  options.existing = ExistingFile::kKeep;
  EXPECT_EQ(FailureOf([&] { ExtractFile(fs_, dir_ / "notes.dun", options); }),
            Failure::kOutputExists);
  EXPECT_EQ(dir_.Read("notes.txt"), Bytes("older"));
  options.output_path = dir_ / "elsewhere";
  EXPECT_EQ(ExtractFile(fs_, dir_ / "notes.dun", options).output_path,
            dir_ / "elsewhere");
  EXPECT_EQ(dir_.Read("elsewhere"), Bytes(std::string(300, 'A')));
}

}  // namespace
}  // namespace dunra
