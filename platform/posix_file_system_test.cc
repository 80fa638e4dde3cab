#include "platform/posix_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <thread>

#include "platform/temp_folder.h"

namespace dunra {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// The errno of the FileError that call throws, or 0.
template <typename Call>
int ErrorOf(Call call) {
  try {
    call();
  } catch (const FileError& e) {
    return e.error_number();
  }
  return 0;
}

class PosixFileSystemTest : public ::testing::Test {
 protected:
  TempFolder dir_;
  PosixFileSystem fs_;
};

TEST_F(PosixFileSystemTest, ReadsWholeRegularFilesUpToTheLimit) {
  dir_.Write("empty", "");
  dir_.Write("four", "abcd");
  EXPECT_EQ(fs_.ReadFile(dir_ / "empty", 0), Bytes(""));
  EXPECT_EQ(fs_.ReadFile(dir_ / "four", 4), Bytes("abcd"));
  EXPECT_EQ(ErrorOf([&] { fs_.ReadFile(dir_ / "four", 3); }), EFBIG);
}

TEST_F(PosixFileSystemTest, RefusesAHugeFileFromItsLengthAlone) {
  // A sparse file of 64 GiB: reading it would take minutes and more
  // memory than there is, so a quick refusal shows nothing was read.
  const std::string path = dir_ / "huge";
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0644);
  ASSERT_GE(fd, 0);
  const bool sized = ::ftruncate(fd, int64_t{64} << 30) == 0;
  ::close(fd);
  if (!sized) GTEST_SKIP() << "the temporary folder holds no sparse files";
  try {
    fs_.ReadFile(path, 16'777'215);
    FAIL() << "read a file beyond the limit";
  } catch (const FileError& e) {
    EXPECT_EQ(e.error_number(), EFBIG);
    EXPECT_EQ(e.path(), path);
    EXPECT_STREQ(e.what(), "larger than 16777215 bytes");
  }
}

TEST_F(PosixFileSystemTest, RefusesWhatIsNoRegularFileWithoutBlocking) {
  ASSERT_EQ(::mkdir((dir_ / "folder").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((dir_ / "fifo").c_str(), 0644), 0);
  struct Case {
    std::string path;
    int error_number;
  };
  const Case cases[] = {
      {dir_ / "missing", ENOENT},
      {dir_ / "folder", EISDIR},
      {dir_ / "fifo", EINVAL},     // a blocking open would wait for a writer
      {"/dev/null", EINVAL},       // a character device
      {dir_ / "missing/x", ENOENT},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ErrorOf([&] { fs_.ReadFile(c.path, 1 << 20); }), c.error_number);
  }
}

TEST_F(PosixFileSystemTest, RefusesAFileWhoseLengthBeliesItsContent) {
  // System files report a length of 0 and yet have content.
  EXPECT_EQ(ErrorOf([&] { fs_.ReadFile("/proc/self/status", 1 << 20); }), EIO);
}

TEST_F(PosixFileSystemTest, RefusesAFileWithoutReadPermission) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
  dir_.Write("secret", "x");
  ASSERT_EQ(::chmod((dir_ / "secret").c_str(), 0), 0);
  EXPECT_EQ(ErrorOf([&] { fs_.ReadFile(dir_ / "secret", 10); }), EACCES);
}

TEST_F(PosixFileSystemTest, TempFilesAreNewUniqueAndTakeTheUsualMode) {
  const mode_t old_mask = ::umask(022);
  auto a = fs_.NewTempFile(dir_.path());
  auto b = fs_.NewTempFile(dir_.path());
  ::umask(old_mask);
  EXPECT_NE(a->path(), b->path());
  EXPECT_EQ(a->path().rfind(dir_.path(), 0), 0u);
  a->Append(Bytes("head"));
  a->Append(Bytes(""));
  a->Append(Bytes("tail"));
  a->Sync();
  a->Close();
  b->Close();
  EXPECT_EQ(fs_.ReadFile(a->path(), 100), Bytes("headtail"));
  struct stat st;
  ASSERT_EQ(::stat(a->path().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
  EXPECT_EQ(ErrorOf([&] { fs_.NewTempFile(dir_ / "missing/"); }), ENOENT);
}

TEST_F(PosixFileSystemTest, RenamesReplacingOrNot) {
  dir_.Write("a", "new");
  dir_.Write("b", "old");
  dir_.Write("c", "other");
  EXPECT_EQ(ErrorOf([&] { fs_.RenameFileNoReplace(dir_ / "a", dir_ / "b"); }),
            EEXIST);
  EXPECT_EQ(dir_.Read("b"), Bytes("old"));
  fs_.RenameFile(dir_ / "a", dir_ / "b");
  EXPECT_EQ(dir_.Read("b"), Bytes("new"));
  fs_.RenameFileNoReplace(dir_ / "c", dir_ / "d");
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(ErrorOf([&] { fs_.RenameFile(dir_ / "x", dir_ / "y"); }), ENOENT);
}

TEST_F(PosixFileSystemTest, RemovesAndTellsWhatExists) {
  dir_.Write("a", "x");
  ASSERT_EQ(::symlink("nowhere", (dir_ / "dangling").c_str()), 0);
  EXPECT_TRUE(fs_.Exists(dir_ / "a"));
  EXPECT_TRUE(fs_.Exists(dir_ / "dangling"));
  EXPECT_FALSE(fs_.Exists(dir_ / "b"));
  fs_.RemoveFile(dir_ / "a");
  EXPECT_FALSE(fs_.Exists(dir_ / "a"));
  EXPECT_EQ(ErrorOf([&] { fs_.RemoveFile(dir_ / "a"); }), ENOENT);
  fs_.SyncFolder(dir_.path());
  EXPECT_EQ(ErrorOf([&] { fs_.SyncFolder(dir_ / "missing/"); }), ENOENT);
}

TEST(PosixDescriptors, AWriteThatFindsNoSpaceFails) {
  const int fd = ::open("/dev/full", O_WRONLY);
  if (fd < 0) GTEST_SKIP() << "no /dev/full";
  auto file = NewDescriptorFile(fd, "/dev/full");
  EXPECT_EQ(ErrorOf([&] { file->Append(Bytes("x")); }), ENOSPC);
  file->Close();  // the caller's descriptor stays open
  EXPECT_EQ(::close(fd), 0);
}

TEST(PosixDescriptors, ReadsAStreamToItsEndUpToTheLimit) {
  struct Case {
    size_t length;
    int64_t limit;
    bool fits;
  };
  // The writer may outlast a reader that stopped at its limit.
  ::signal(SIGPIPE, SIG_IGN);
  const Case cases[] = {
      {0, 0, true}, {1, 0, false}, {200'000, 200'000, true},
      {200'001, 200'000, false}, {70'000, 1 << 20, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    int pipe_fds[2];
    ASSERT_EQ(::pipe(pipe_fds), 0);
    std::vector<uint8_t> sent(c.length);
    for (size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<uint8_t>(i * 7);
    std::thread writer([&] {
      auto out = NewDescriptorFile(pipe_fds[1], "pipe");
      try {
        out->Append(sent);
      } catch (const FileError&) {
        // The reader stopped at its limit.
      }
      ::close(pipe_fds[1]);
    });
    std::vector<uint8_t> got;
    const int error = ErrorOf([&] { got = ReadDescriptor(pipe_fds[0], "-", c.limit); });
    ::close(pipe_fds[0]);
    writer.join();
    if (c.fits) {
      EXPECT_EQ(error, 0);
      EXPECT_EQ(got, sent);
    } else {
      EXPECT_EQ(error, EFBIG);
    }
  }
}

}  // namespace
}  // namespace dunra
