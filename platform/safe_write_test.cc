#include "platform/safe_write.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/fake_file_system.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

class SafeWriteTest : public ::testing::Test {
 protected:
  // Writes "head" + "tail" to out; returns the errno it failed with, or 0.
  int WriteOut(ExistingFile existing = ExistingFile::kReplace) {
    const std::vector<uint8_t> head = Bytes("head"), tail = Bytes("tail");
    try {
      WriteFileSafely(fs_, dir_ / "out", {head, tail}, existing);
    } catch (const FileError& e) {
      return e.error_number();
    }
    return 0;
  }

  TempFolder dir_;
  PosixFileSystem real_;
  FakeFileSystem fs_{real_};
};

TEST_F(SafeWriteTest, WritesANewFileAndReplacesAnOlderOne) {
  EXPECT_EQ(WriteOut(), 0);
  EXPECT_EQ(dir_.Read("out"), Bytes("headtail"));
  dir_.Write("out", "an older and longer content");
  EXPECT_EQ(WriteOut(), 0);
  EXPECT_EQ(dir_.Read("out"), Bytes("headtail"));
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"out"});
}

TEST_F(SafeWriteTest, KeepsAnOlderFileWhenAskedTo) {
  dir_.Write("out", "older");
  EXPECT_EQ(WriteOut(ExistingFile::kKeep), EEXIST);
  EXPECT_EQ(dir_.Read("out"), Bytes("older"));
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"out"});
  real_.RemoveFile(dir_ / "out");
  EXPECT_EQ(WriteOut(ExistingFile::kKeep), 0);
  EXPECT_EQ(dir_.Read("out"), Bytes("headtail"));
}

TEST_F(SafeWriteTest, AnyFailedStepLeavesTheOlderFileAndNoTemporaryFile) {
  struct Case {
    FaultStep step;
    int skip;
    int error_number;
  };
  const Case cases[] = {
      {FaultStep::kCreate, 0, EACCES},
      {FaultStep::kWrite, 0, ENOSPC},       // the first piece
      {FaultStep::kWrite, 1, ENOSPC},       // the second piece
      {FaultStep::kShortWrite, 1, ENOSPC},  // half of the second piece
      {FaultStep::kSync, 0, EIO},
      {FaultStep::kClose, 0, EIO},
      {FaultStep::kRename, 0, EBUSY},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(FaultStepName(c.step)) + " after " +
                 std::to_string(c.skip));
    for (ExistingFile existing : {ExistingFile::kReplace, ExistingFile::kKeep}) {
      dir_.Write("older", "older content");
      real_.RenameFile(dir_ / "older", dir_ / "out");
      if (existing == ExistingFile::kKeep) real_.RemoveFile(dir_ / "out");
      fs_.FailAt(c.step, c.skip, c.error_number);
      EXPECT_EQ(WriteOut(existing), c.error_number);
      if (existing == ExistingFile::kReplace) {
        EXPECT_EQ(dir_.Read("out"), Bytes("older content"));
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{"out"});
      } else {
        EXPECT_EQ(dir_.Names(), std::vector<std::string>{});
      }
    }
  }
}

TEST_F(SafeWriteTest, ReportsTheFirstFailureWhenCleaningUpFailsToo) {
  fs_.FailAt(FaultStep::kSync);
  fs_.FailAt(FaultStep::kRemove);
  EXPECT_EQ(WriteOut(), EIO);
  EXPECT_EQ(fs_.calls(FaultStep::kRemove), 1);
}

TEST_F(SafeWriteTest, WritesIntoTheCurrentFolderForABareName) {
  const std::string cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir_.path());
  const std::vector<uint8_t> content = Bytes("bare");
  WriteFileSafely(fs_, "bare.txt", {content});
  std::filesystem::current_path(cwd);
  EXPECT_EQ(dir_.Read("bare.txt"), content);
  EXPECT_EQ(dir_.Names(), std::vector<std::string>{"bare.txt"});
}

}  // namespace
}  // namespace dunra
