// dun's main logic in-process: faults that a real file system cannot
// produce on demand, and standard streams that can be chosen.
#include "cli/dun_run.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/fake_file_system.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra::cli {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

// ABBBBC compressed from a name with the extension txt.
const std::vector<uint8_t> kCompressedAbbbbc = {
    0x06, 0x00, 0x00, 0x0A, 0x00, 't', 'x', 't', 0x82, 0x1F, 'A', 'B', 'C'};

class DunRunTest : public ::testing::Test {
 protected:
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "dun");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    err_.str("");
    DunEnvironment env{fs_, stdin_fd_, stdout_fd_, stdout_is_terminal_, out_, err_};
    return RunDun(static_cast<int>(argv.size()), argv.data(), env);
  }

  TempFolder dir_;
  PosixFileSystem real_;
  FakeFileSystem fs_{real_};
  int stdin_fd_ = -1;
  int stdout_fd_ = -1;
  bool stdout_is_terminal_ = false;
  std::ostringstream out_, err_;
};

// Every failing step of reading a source or writing an output: one line
// naming the file and the reason, the older output as it was, no
// temporary file, and the next file still done.
TEST_F(DunRunTest, InjectedFaultsLoseNothingAndTheNextFileGoesOn) {
  struct Case {
    FaultStep step;
    std::string reason;
  };
  const Case cases[] = {
      {FaultStep::kOpen, "Permission denied"},
      {FaultStep::kRead, "Input/output error"},
      {FaultStep::kCreate, "cannot write '*': Permission denied"},
      {FaultStep::kWrite, "cannot write '*': No space left on device"},
      {FaultStep::kShortWrite, "cannot write '*': No space left on device"},
      {FaultStep::kSync, "cannot write '*': Input/output error"},
      {FaultStep::kClose, "cannot write '*': Input/output error"},
      {FaultStep::kRename, "cannot write '*': Device or resource busy"},
  };
  for (const Case& c : cases) {
    for (const bool extract : {false, true}) {
      SCOPED_TRACE(std::string(FaultStepName(c.step)) + (extract ? " -d" : ""));
      // a and b: the first fails, the second succeeds; each has an
      // older output that -f would replace.
      const std::string a_source = extract ? "a.dun" : "a.txt";
      const std::string a_output = extract ? "a.txt" : "a.dun";
      const std::string b_source = extract ? "b.dun" : "b.txt";
      const std::string b_output = extract ? "b.txt" : "b.dun";
      if (extract) {
        dir_.Write("a.dun", kCompressedAbbbbc);
        dir_.Write("b.dun", kCompressedAbbbbc);
      } else {
        dir_.Write("a.txt", "ABBBBC");
        dir_.Write("b.txt", "ABBBBC");
      }
      dir_.Write(a_output, "older a");
      dir_.Write(b_output, "older b");
      fs_.FailAt(c.step);

      EXPECT_EQ(Run({extract ? "-df" : "-f", dir_ / a_source, dir_ / b_source}),
                kExitFailure);
      std::string reason = c.reason;
      if (const size_t star = reason.find('*'); star != std::string::npos) {
        reason.replace(star, 1, dir_ / a_output);
      }
      EXPECT_EQ(err_.str(), "dun: " + (dir_ / a_source) + ": " + reason + "\n");
      EXPECT_EQ(dir_.Read(a_output), Bytes("older a"));
      EXPECT_EQ(dir_.Read(b_output), extract ? Bytes("ABBBBC") : kCompressedAbbbbc);
      EXPECT_EQ(dir_.Names(),
                (std::vector<std::string>{"a.dun", "a.txt", "b.dun", "b.txt"}));
      for (const std::string& name : dir_.Names()) real_.RemoveFile(dir_ / name);
    }
  }
}

TEST_F(DunRunTest, StandardOutputFailuresAreReported) {
  dir_.Write("a.txt", "ABBBBC");
  stdout_fd_ = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(stdout_fd_, 0);
  EXPECT_EQ(Run({"-c", dir_ / "a.txt"}), kExitFailure);
  EXPECT_EQ(err_.str(), "dun: " + (dir_ / "a.txt") +
                            ": cannot write standard output: No space left on device\n");
  ::close(stdout_fd_);
}

TEST_F(DunRunTest, CompressedDataGoesToATerminalOnlyWithForce) {
  dir_.Write("a.txt", "ABBBBC");
  dir_.Write("a.dun", kCompressedAbbbbc);
  stdout_is_terminal_ = true;
  stdout_fd_ = ::open((dir_ / "terminal").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
  ASSERT_GE(stdout_fd_, 0);
  EXPECT_EQ(Run({"-c", dir_ / "a.txt"}), kExitFailure);
  EXPECT_EQ(err_.str(), "dun: compressed data not written to a terminal (use -f to force it)\n");
  EXPECT_TRUE(dir_.Read("terminal").empty());
  // Extracted content may go there, and so may anything with -f.
  EXPECT_EQ(Run({"-dc", dir_ / "a.dun"}), kExitSuccess);
  EXPECT_EQ(Run({"-cf", dir_ / "a.txt"}), kExitSuccess);
  EXPECT_EQ(dir_.Read("terminal").size(), 6u + 13u);
  ::close(stdout_fd_);
}

}  // namespace
}  // namespace dunra::cli
