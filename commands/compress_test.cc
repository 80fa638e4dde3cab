#include "commands/compress.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "commands/commands_test_util.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

using namespace testing_util;

class CompressTest : public ::testing::Test {
 protected:
  TempFolder dir_;
  PosixFileSystem fs_;
};

TEST_F(CompressTest, WritesTheWorkedExampleInTwoPieces) {
  dir_.Write("a.txt", std::string(300, 'A'));
  const CommandResult result = CompressFile(fs_, dir_ / "a.txt");
  EXPECT_EQ(result.output_path, dir_ / "a.dun");
  EXPECT_EQ(result.compressed_size, 16);
  EXPECT_EQ(result.content_size, 300);
  EXPECT_EQ(dir_.Read("a.dun"),
            Hex("2C 01 00 0D 00 74 78 74 01 FF 01 2C 1F 41 41 41"));
  EXPECT_EQ(dir_.Read("a.txt"), Bytes(std::string(300, 'A')));

  const CompressedFile file = EncodeChecked(Bytes("ABBBBC"), {'t', 'x', 't'});
  EXPECT_EQ(file.header_and_control, Hex("06 00 00 0A 00 74 78 74 82 1F"));
  EXPECT_EQ(file.literals, Hex("41 42 43"));
}

TEST_F(CompressTest, RefusesWhatTheFormatCannotHoldBeforeWriting) {
  // One byte beyond the size field, refused from its length: the file is
  // sparse and never read.
  if (!MakeSparseFile(dir_ / "big.txt", int64_t{kMaxContentSize} + 1)) {
    GTEST_SKIP() << "no sparse files here";
  }
  EXPECT_EQ(FailureOf([&] { CompressFile(fs_, dir_ / "big.txt"); }),
            Failure::kTooLarge);
  // Small enough for the size field, but it needs 67,742 control bytes.
  dir_.Write("norun.bin", NoRuns(2'100'000));
  EXPECT_EQ(FailureOf([&] { CompressFile(fs_, dir_ / "norun.bin"); }),
            Failure::kTooLarge);
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"big.txt", "norun.bin"}));
  // The largest content without runs that fits.
  EXPECT_NO_THROW(EncodeChecked(NoRuns(2'031'336), {}));
}

TEST_F(CompressTest, ChecksTheStreamsAgainstTheContent) {
  const std::vector<uint8_t> content = Bytes("ABBBBCxyz");
  const ContentExt ext = {'t', 'x', 't'};
  const CompressedFile good = EncodeChecked(content, ext);
  EXPECT_NO_THROW(CheckDecodesTo(good, content, ext));
  struct Case {
    const char* name;
    void (*damage)(CompressedFile&);
  };
  const Case cases[] = {
      {"literal changed", [](CompressedFile& f) { f.literals[0] ^= 1; }},
      {"run changed", [](CompressedFile& f) { f.header_and_control[8] += 32; }},
      {"size changed", [](CompressedFile& f) { f.header_and_control[0] -= 1; }},
      {"extension changed", [](CompressedFile& f) { f.header_and_control[5] = 'T'; }},
      {"literal lost", [](CompressedFile& f) { f.literals.pop_back(); }},
      {"control lost", [](CompressedFile& f) { f.header_and_control.pop_back(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CompressedFile bad = good;
    c.damage(bad);
    EXPECT_EQ(FailureOf([&] { CheckDecodesTo(bad, content, ext); }),
              Failure::kVerifyFailed);
  }
}

TEST_F(CompressTest, RefusesSourcesItCannotReadWithTheirReason) {
  ASSERT_EQ(::mkdir((dir_ / "folder.txt").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((dir_ / "pipe.txt").c_str(), 0644), 0);
  dir_.Write("README", "text");
  struct Case {
    std::string name;
    Failure failure;
    std::string reason;
  };
  const Case cases[] = {
      {"missing.txt", Failure::kCannotRead, "No such file or directory"},
      {"folder.txt", Failure::kCannotRead, "Is a directory"},
      {"pipe.txt", Failure::kCannotRead, "not a regular file"},
      {"README", Failure::kNoExtension, "no extension to store"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      CompressFile(fs_, dir_ / c.name);
      ADD_FAILURE() << "compressed";
    } catch (const CommandError& e) {
      EXPECT_EQ(e.failure(), c.failure);
      EXPECT_EQ(e.what(), c.reason);
    }
  }
  EXPECT_EQ(dir_.Names(),
            (std::vector<std::string>{"README", "folder.txt", "pipe.txt"}));
}

TEST_F(CompressTest, WritesWhereTheCallerSaysAndKeepsAnOutputOnRequest) {
  dir_.Write("a.txt", "ABBBBC");
  dir_.Write("kept.dun", "older");
  CompressOptions options;
  options.output_path = dir_ / "kept.dun";
  options.existing = ExistingFile::kKeep;
  try {
    CompressFile(fs_, dir_ / "a.txt", options);
    ADD_FAILURE() << "replaced an output that was to be kept";
  } catch (const CommandError& e) {
    EXPECT_EQ(e.failure(), Failure::kOutputExists);
    EXPECT_EQ(e.what(), "'" + (dir_ / "kept.dun") + "' already exists");
  }
  EXPECT_EQ(dir_.Read("kept.dun"), Bytes("older"));
  options.output_path = dir_ / "other name";
  EXPECT_EQ(CompressFile(fs_, dir_ / "a.txt", options).output_path,
            dir_ / "other name");
  EXPECT_EQ(dir_.Read("other name"), Hex("06 00 00 0A 00 74 78 74 82 1F 41 42 43"));
}

TEST_F(CompressTest, TellsWhichOutputCouldNotBeWritten) {
  dir_.Write("a.txt", "x");
  CompressOptions options;
  options.output_path = dir_ / "no such folder/a.dun";
  try {
    CompressFile(fs_, dir_ / "a.txt", options);
    ADD_FAILURE() << "wrote into a missing folder";
  } catch (const CommandError& e) {
    EXPECT_EQ(e.failure(), Failure::kCannotWrite);
    EXPECT_EQ(e.what(), "cannot write '" + options.output_path +
                            "': No such file or directory");
  }
}

}  // namespace
}  // namespace dunra
