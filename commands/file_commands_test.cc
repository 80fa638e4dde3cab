#include "commands/file_commands.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "codec/rle_format.h"
#include "commands/commands_test_util.h"
#include "platform/fake_file_system.h"
#include "platform/fake_message_box.h"
#include "platform/fake_report_memo.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

using namespace testing_util;
using std::string_literals::operator""s;

const std::vector<uint8_t> kNotes =
    Hex("2C 01 00 0D 00 74 78 74 01 FF 01 2C 1F 41 41 41");

std::vector<uint8_t> Compressed(const std::string& content,
                                const std::string& ext) {
  return EncodeFile(Bytes(content), Ext(ext));
}

bool operator==(const AnimationState& a, const AnimationState& b) {
  return a.compressFrame == b.compressFrame &&
         a.extractFrame == b.extractFrame && a.idleFrame == b.idleFrame &&
         a.idleDelay == b.idleDelay;
}

class FileCommandsTest : public ::testing::Test {
 protected:
  static constexpr AnimationState kBefore = {0, 0, 4, 2};

  FileCommandsTest() {
    memo_.text = "the previous report";
    animation_ = kBefore;
  }

  // Every entry of the folder with the content of each regular file, so
  // that "nothing changed" covers older files and temporary leftovers.
  std::map<std::string, std::vector<uint8_t>> Snapshot() const {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const std::string& name : dir_.Names()) {
      files[name] = std::filesystem::is_regular_file(dir_ / name)
                        ? dir_.Read(name)
                        : Bytes("<not a regular file>");
    }
    return files;
  }

  void ExpectSuccess(const std::string& report, int compress_frame,
                     int extract_frame, int idle_delay) {
    EXPECT_TRUE(box_.shown.empty()) << box_.shown[0].text;
    EXPECT_EQ(memo_.text, report);
    EXPECT_TRUE(animation_ == (AnimationState{compress_frame, extract_frame,
                                              kBefore.idleFrame, idle_delay}));
  }

  void ExpectFailureBox(const std::string& text) {
    ASSERT_EQ(box_.shown.size(), 1u);
    EXPECT_EQ(box_.shown[0].text, text);
    EXPECT_EQ(box_.shown[0].caption, "File Error");
    EXPECT_EQ(box_.shown[0].flags, 1u);  // MB_OKCANCEL, no icon
    EXPECT_EQ(memo_.text, "the previous report");
    EXPECT_TRUE(animation_ == kBefore);
    box_.shown.clear();
  }

  TempFolder dir_;
  PosixFileSystem real_;
  FakeFileSystem fs_{real_};
  FakeReportMemo memo_;
  FakeMessageBox box_;
  AnimationState animation_;
  FileCommands commands_{fs_, memo_, box_, animation_};
};

TEST_F(FileCommandsTest, CompressWritesTheWorkedExampleAndReportsIt) {
  dir_.Write("a.txt", std::string(300, 'A'));
  commands_.Compress(dir_ / "a.txt");
  EXPECT_EQ(dir_.Read("a.dun"), kNotes);
  EXPECT_EQ(dir_.Read("a.txt"), Bytes(std::string(300, 'A')));
  ExpectSuccess("--- Compress ---\n" + dir_.path() +
                    "\n'a.dun'\nsize:16(<-300)\nratio:5%",
                1, 0, 7);
}

TEST_F(FileCommandsTest, CompressReportsSizesAndTruncatedRatios) {
  struct Case {
    std::string content, last_lines;
  };
  const Case cases[] = {
      {std::string(300, 'A'), "size:16(<-300)\nratio:5%"},
      {"ABABAB", "size:15(<-6)\nratio:250%"},
      {"x", "size:10(<-1)\nratio:1000%"},
      // Empty: the 10-byte file and a success without a ratio.
      {"", "size:10(<-0)\nratio:-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.last_lines);
    dir_.Write("s.txt", c.content);
    animation_ = kBefore;
    commands_.Compress(dir_ / "s.txt");
    ExpectSuccess("--- Compress ---\n" + dir_.path() + "\n's.dun'\n" +
                      c.last_lines,
                  1, 0, 7);
    EXPECT_EQ(dir_.Read("s.dun"), Compressed(c.content, "txt"));
  }
  EXPECT_EQ(dir_.Read("s.dun"), Hex("00 00 00 09 00 74 78 74 1F 00"));
}

TEST_F(FileCommandsTest, CompressNamesItsOutputAndStoresTheExtension) {
  struct Case {
    std::string source, output, stored;
  };
  const Case cases[] = {
      {"index.html", "index.dun", "htm"},
      {"main.c", "main.dun", "c\0\0"s},
      {"a.cc", "a.dun", "cc\0"s},
      {"name.", "name.dun", "\0\0\0"s},
      {"C:\\temp\\a.txt", "C:\\temp\\a.dun", "txt"},
      // Replaced by its own compressed form.
      {"x.dun", "x.dun", "dun"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    dir_.Write(c.source, "ABBBBC");
    commands_.Compress(dir_ / c.source);
    ASSERT_TRUE(box_.shown.empty());
    EXPECT_EQ(dir_.Read(c.output), Compressed("ABBBBC", c.stored));
    EXPECT_EQ(memo_.text, "--- Compress ---\n" + dir_.path() + "\n'" +
                              c.output + "'\nsize:13(<-6)\nratio:216%");
  }
}

TEST_F(FileCommandsTest, CompressReplacesAnOlderOutput) {
  dir_.Write("a.txt", "from the text");
  dir_.Write("a.doc", "from the document");
  commands_.Compress(dir_ / "a.txt");
  commands_.Compress(dir_ / "a.doc");
  EXPECT_TRUE(box_.shown.empty());
  EXPECT_EQ(dir_.Read("a.dun"), Compressed("from the document", "doc"));
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"a.doc", "a.dun", "a.txt"}));
}

TEST_F(FileCommandsTest, ExtractRestoresTheWorkedExampleAndReportsIt) {
  dir_.Write("notes.dun", kNotes);
  dir_.Write("notes.txt", "an older file of the output's name");
  commands_.Extract(dir_ / "notes.dun");
  EXPECT_EQ(dir_.Read("notes.txt"), Bytes(std::string(300, 'A')));
  ExpectSuccess("--- Extract ---\n" + dir_.path() +
                    "\n'notes.txt'\nsize:300(<-16)",
                0, 1, 3);
}

TEST_F(FileCommandsTest, ExtractNamesItsOutputFromTheStoredExtension) {
  struct Case {
    std::string source, stored, output, content;
  };
  const Case cases[] = {
      {"notes.dun", "c\0x"s, "notes.c", "c source"},
      {"notes.DUN", "txt", "notes.txt", "any case"},
      {"notes.dun", "cc\0"s, "notes.cc", "c++ source"},
      {"notes.dun", "\0tx"s, "notes.", "no extension"},
      {"page.dun", "htm", "page.htm", "<p>"},
      {"archive.xyz", "txt", "archive.txt", "renamed"},
      {"abc", "txt", "txt", "no dot"},
      {"e.dun", "txt", "e.txt", ""},
      // Replaced by its own content.
      {"same.txt", "txt", "same.txt", "ABBBBC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source + " -> " + c.output);
    const std::vector<uint8_t> file = Compressed(c.content, c.stored);
    dir_.Write(c.source, file);
    commands_.Extract(dir_ / c.source);
    ASSERT_TRUE(box_.shown.empty());
    EXPECT_EQ(dir_.Read(c.output), Bytes(c.content));
    EXPECT_EQ(memo_.text, "--- Extract ---\n" + dir_.path() + "\n'" +
                              c.output + "'\nsize:" +
                              std::to_string(c.content.size()) + "(<-" +
                              std::to_string(file.size()) + ")");
  }
  EXPECT_EQ(memo_.text.substr(memo_.text.rfind('\n')), "\nsize:6(<-13)");
}

TEST_F(FileCommandsTest, RefusalsShowTheBoxAndChangeNothing) {
  ASSERT_EQ(::mkdir((dir_ / "folder.txt").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((dir_ / "pipe.txt").c_str(), 0644), 0);
  ASSERT_EQ(::mkdir((dir_ / "folder.dun").c_str(), 0755), 0);
  ASSERT_EQ(::mkfifo((dir_ / "pipe.dun").c_str(), 0644), 0);
  const bool sparse =
      MakeSparseFile(dir_ / "big.txt", int64_t{kMaxContentSize} + 1);
  dir_.Write("norun.bin", NoRuns(2'100'000));
  dir_.Write("README", "no extension");
  // Outputs that are folders cannot be replaced by a file.
  dir_.Write("d.txt", "ABBBBC");
  ASSERT_EQ(::mkdir((dir_ / "d.dun").c_str(), 0755), 0);
  dir_.Write("e.dun", Compressed("ABBBBC", "txt"));
  ASSERT_EQ(::mkdir((dir_ / "e.txt").c_str(), 0755), 0);
  // Older outputs that must survive.
  for (const char* name : {"missing.dun", "big.dun", "norun.dun",
                           "bad.txt", "slash.txt", "ctrl.txt"}) {
    dir_.Write(name, "older");
  }
  dir_.Write("bad.dun", Hex("06 00 00 0A 00 74 78 74 82 1F 41"));
  dir_.Write("slash.dun", Compressed("x", "a/b"));
  dir_.Write("ctrl.dun", Compressed("x", "t\nt"));
  dir_.Write("abc", Compressed("x", "..\0"s));
  dir_.Write("ab", Compressed("x", "txt"));
  const auto before = Snapshot();

  struct Case {
    bool compress;
    std::string name;
  };
  std::vector<Case> cases = {
      {true, "missing.txt"}, {true, "folder.txt"}, {true, "pipe.txt"},
      {true, "norun.bin"},   {true, "README"},     {false, "gone.dun"},
      {false, "folder.dun"}, {false, "pipe.dun"},  {false, "bad.dun"},
      {false, "slash.dun"},  {false, "ctrl.dun"},  {false, "abc"},
      {false, "ab"},         {true, "d.txt"},      {false, "e.dun"},
  };
  if (sparse) cases.push_back({true, "big.txt"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.compress) {
      commands_.Compress(dir_ / c.name);
      ExpectFailureBox("Compressできなかった");
    } else {
      commands_.Extract(dir_ / c.name);
      ExpectFailureBox("Extractできなかった");
    }
    EXPECT_TRUE(Snapshot() == before);
  }
}

// Each scenario leaves an older file under the output's name: another
// file, or the source itself when the output name equals it.
struct Scenario {
  const char* name;
  bool compress;
  std::string source;
};

const Scenario kScenarios[] = {
    {"compress beside", true, "a.txt"},
    {"compress over itself", true, "x.dun"},
    {"extract beside", false, "notes.dun"},
    {"extract over itself", false, "notes.txt"},
};

TEST_F(FileCommandsTest, AFailingStepShowsTheBoxAndLosesNothing) {
  struct Fault {
    FaultStep step;
    int skip;
  };
  const Fault faults[] = {
      {FaultStep::kOpen, 0},       {FaultStep::kRead, 0},
      {FaultStep::kCreate, 0},     {FaultStep::kWrite, 0},
      {FaultStep::kWrite, 1},      {FaultStep::kShortWrite, 0},
      {FaultStep::kShortWrite, 1}, {FaultStep::kSync, 0},
      {FaultStep::kClose, 0},      {FaultStep::kRename, 0},
  };
  dir_.Write("a.txt", std::string(300, 'A'));
  dir_.Write("a.dun", "the older a.dun");
  dir_.Write("x.dun", "the source x.dun");
  dir_.Write("notes.dun", kNotes);
  dir_.Write("notes.txt", kNotes);  // holds "txt": extracts over itself
  const auto before = Snapshot();
  for (const Scenario& s : kScenarios) {
    for (const Fault& f : faults) {
      // An extract writes its content in one piece.
      if (!s.compress && f.skip > 0) continue;
      SCOPED_TRACE(std::string(s.name) + ", failing " + FaultStepName(f.step) +
                   " after " + std::to_string(f.skip));
      fs_.FailAt(f.step, f.skip);
      if (s.compress) {
        commands_.Compress(dir_ / s.source);
        ExpectFailureBox("Compressできなかった");
      } else {
        commands_.Extract(dir_ / s.source);
        ExpectFailureBox("Extractできなかった");
      }
      EXPECT_TRUE(Snapshot() == before);
    }
  }
}

TEST_F(FileCommandsTest, AnOutputNamedLikeItsSourceReplacesItWhole) {
  dir_.Write("x.dun", "ABBBBC");
  commands_.Compress(dir_ / "x.dun");
  EXPECT_EQ(dir_.Read("x.dun"), Compressed("ABBBBC", "dun"));
  dir_.Write("notes.txt", kNotes);
  commands_.Extract(dir_ / "notes.txt");
  EXPECT_EQ(dir_.Read("notes.txt"), Bytes(std::string(300, 'A')));
  EXPECT_TRUE(box_.shown.empty());
  EXPECT_EQ(dir_.Names(), (std::vector<std::string>{"notes.txt", "x.dun"}));
}

TEST_F(FileCommandsTest, LongNamesAreKeptWholeOrRefused) {
  // A path far beyond 255 bytes, each name within the system's limit.
  const std::string folder = std::string(200, 'f') + "/";
  ASSERT_EQ(::mkdir((dir_ / folder).c_str(), 0755), 0);
  const std::string stem = folder + std::string(251, 's');
  dir_.Write(stem + ".c", "ABBBBC");
  commands_.Compress(dir_ / (stem + ".c"));  // output name of 255 bytes
  ASSERT_TRUE(box_.shown.empty());
  EXPECT_EQ(dir_.Read(stem + ".dun"), Compressed("ABBBBC", "c\0\0"s));
  commands_.Extract(dir_ / (stem + ".dun"));
  ASSERT_TRUE(box_.shown.empty());
  EXPECT_EQ(dir_.Read(stem + ".c"), Bytes("ABBBBC"));

  // A source whose output name would be 256 bytes long.
  const std::string longer = folder + std::string(252, 's');
  dir_.Write(longer + ".c", "ABBBBC");
  memo_.text = "the previous report";
  animation_ = kBefore;
  const auto before = Snapshot();
  commands_.Compress(dir_ / (longer + ".c"));
  ExpectFailureBox("Compressできなかった");
  EXPECT_TRUE(Snapshot() == before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / folder),
                          std::filesystem::directory_iterator()),
            3);
}

TEST_F(FileCommandsTest, AnOutputIsNeverMoreOpenThanItsSource) {
  struct Case {
    mode_t source, output;
  };
  // A new file gets 0644 under this umask.
  const Case cases[] = {
      {0600, 0600}, {0640, 0640}, {0644, 0644}, {0755, 0644}, {0400, 0400}};
  const mode_t old_mask = ::umask(022);
  const auto mode_of = [&](const std::string& name) {
    struct stat st;
    return ::stat((dir_ / name).c_str(), &st) == 0 ? st.st_mode & 0777 : 0;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.source);
    dir_.Write("a.txt", "ABBBBC");
    ASSERT_EQ(::chmod((dir_ / "a.txt").c_str(), c.source), 0);
    commands_.Compress(dir_ / "a.txt");
    EXPECT_EQ(mode_of("a.dun"), c.output);
    ASSERT_EQ(::chmod((dir_ / "a.dun").c_str(), c.source), 0);
    commands_.Extract(dir_ / "a.dun");
    EXPECT_EQ(mode_of("a.txt"), c.output);
    EXPECT_TRUE(box_.shown.empty());
  }
  ::umask(old_mask);
}

TEST_F(FileCommandsTest, AMemoThatRefusesTheReportTakesTheBox) {
  dir_.Write("a.txt", "ABBBBC");
  dir_.Write("notes.dun", kNotes);
  memo_.refuse = true;
  commands_.Compress(dir_ / "a.txt");
  ExpectFailureBox("Compressできなかった");
  commands_.Extract(dir_ / "notes.dun");
  ExpectFailureBox("Extractできなかった");
  // The outputs were complete before the report: they stay.
  EXPECT_EQ(dir_.Read("a.dun"), Compressed("ABBBBC", "txt"));
  EXPECT_EQ(dir_.Read("notes.txt"), Bytes(std::string(300, 'A')));
}

TEST_F(FileCommandsTest, NothingReachesTheCaller) {
  class ThrowingBox : public MessageBoxService {
   public:
    int MessageBox(const std::string&, const std::string&, unsigned) override {
      throw std::runtime_error("no box today");
    }
  } box;
  FileCommands commands(fs_, memo_, box, animation_);
  EXPECT_NO_THROW(commands.Compress(dir_ / "missing.txt"));
  EXPECT_NO_THROW(commands.Extract(dir_ / "missing.dun"));
}

}  // namespace
}  // namespace dunra
