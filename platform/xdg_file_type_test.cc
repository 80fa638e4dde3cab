#include "platform/xdg_file_type.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "platform/fake_file_system.h"
#include "platform/posix_file_system.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

std::string Text(const std::vector<uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

// Plays the refreshers: records each run and, when it succeeds, writes the
// database file the real one would.
class FakeToolRunner : public ToolRunner {
 public:
  ToolResult Run(const std::vector<std::string>& argv) override {
    runs.push_back(argv);
    if (result != ToolResult::kSucceeded) return result;
    const char* cache = argv[0] == "update-mime-database" ? "/mime.cache" : "/mimeinfo.cache";
    WriteWholeFile(argv[1] + cache, "database");
    return result;
  }
  std::vector<std::vector<std::string>> runs;
  ToolResult result = ToolResult::kSucceeded;
};

XdgFileType SampleType() {
  return XdgFileType{
      .mime_type = "application/x-sample",
      .glob = "*.smp",
      .comment = "Sample <&> file",
      .application_id = "sample",
      .application_name = "Sample",
      .program_path = "/opt/sample app/sample",
      .icon_png = {0x89, 'P', 'N', 'G'},
  };
}

class XdgFileTypeTest : public ::testing::Test {
 protected:
  void Register() { RegisterXdgFileType(fs_, tools_, data_home_, type_); }
  std::string Read(const std::string& path) { return Text(real_.ReadFile(path, 1 << 20)); }
  ino_t Inode(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
  }

  TempFolder dir_;
  PosixFileSystem real_;
  FakeFileSystem fs_{real_};
  FakeToolRunner tools_;
  const std::string data_home_ = dir_ / "data";
  XdgFileType type_ = SampleType();
};

TEST_F(XdgFileTypeTest, WritesPackageEntryAndIconThenRefreshesBothDatabases) {
  Register();
  EXPECT_EQ(Read(dir_ / "data/mime/packages/sample.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"application/x-sample\">\n"
            "    <comment>Sample &lt;&amp;&gt; file</comment>\n"
            "    <icon name=\"application-x-sample\"/>\n"
            "    <glob pattern=\"*.smp\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  EXPECT_EQ(Read(dir_ / "data/applications/sample.desktop"),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=Sample\n"
            "Exec=\"/opt/sample app/sample\" %f\n"
            "Icon=application-x-sample\n"
            "MimeType=application/x-sample;\n"
            "Terminal=false\n"
            "NoDisplay=true\n");
  EXPECT_EQ(Read(dir_ / "data/icons/hicolor/32x32/mimetypes/application-x-sample.png"),
            "\x89PNG");
  const std::vector<std::vector<std::string>> expected = {
      {"update-mime-database", dir_ / "data/mime"},
      {"update-desktop-database", dir_ / "data/applications"},
  };
  EXPECT_EQ(tools_.runs, expected);
}

TEST_F(XdgFileTypeTest, AnUnchangedTypeWritesNothingAndRefreshesNothing) {
  Register();
  const std::string entry = DesktopEntryPath(data_home_, type_);
  const ino_t inode = Inode(entry);
  tools_.runs.clear();
  Register();
  EXPECT_TRUE(tools_.runs.empty());
  EXPECT_EQ(Inode(entry), inode);  // not even replaced by an equal copy
  EXPECT_EQ(fs_.calls(FaultStep::kCreate), 3);
}

TEST_F(XdgFileTypeTest, AMovedProgramRewritesOnlyTheEntryAndItsDatabase) {
  Register();
  tools_.runs.clear();
  type_.program_path = "/elsewhere/sample";
  Register();
  ASSERT_EQ(tools_.runs.size(), 1u);
  EXPECT_EQ(tools_.runs[0][0], "update-desktop-database");
  EXPECT_NE(Read(DesktopEntryPath(data_home_, type_)).find("Exec=\"/elsewhere/sample\" %f\n"),
            std::string::npos);
}

TEST_F(XdgFileTypeTest, AFailedRefreshIsAnErrorAndIsRetriedAtTheNextStart) {
  tools_.result = ToolResult::kFailed;
  EXPECT_THROW(Register(), FileError);
  tools_.result = ToolResult::kSucceeded;
  tools_.runs.clear();
  Register();  // files unchanged, databases still missing
  EXPECT_EQ(tools_.runs.size(), 2u);
}

TEST_F(XdgFileTypeTest, MissingRefreshersAreSkipped) {
  tools_.result = ToolResult::kNotInstalled;
  EXPECT_NO_THROW(Register());
  EXPECT_TRUE(real_.Exists(DesktopEntryPath(data_home_, type_)));
}

TEST_F(XdgFileTypeTest, AFileThatCannotBeWrittenIsAnError) {
  fs_.FailAt(FaultStep::kRename, 1, EIO);  // the package, after the icon
  EXPECT_THROW(Register(), FileError);
  EXPECT_TRUE(tools_.runs.empty());
  WriteWholeFile(dir_ / "blocked", "a file where a folder belongs");
  EXPECT_THROW(RegisterXdgFileType(fs_, tools_, dir_ / "blocked", type_), FileError);
}

TEST(DesktopExecLineTest, QuotesThePathAsTheExecKeyNeeds) {
  const std::map<std::string, std::string> cases = {
      {"/usr/bin/dunra", "\"/usr/bin/dunra\" %f"},
      {"/my tools/dunra", "\"/my tools/dunra\" %f"},
      {"/a\"b/$HOME/`x`/c\\d", "\"/a\\\"b/\\$HOME/\\`x\\`/c\\\\d\" %f"},
      {"/100%/dunra", "\"/100%%/dunra\" %f"},
  };
  for (const auto& [path, line] : cases) EXPECT_EQ(DesktopExecLine(path), line) << path;
}

TEST(DesktopEntryTextTest, EscapesTheExecLineAgainAsAStringValue) {
  XdgFileType type = SampleType();
  type.program_path = "/a\\b/dunra";
  // \ becomes \\ for the quoting, and each of those \\ for the file.
  EXPECT_NE(DesktopEntryText(type).find("Exec=\"/a\\\\\\\\b/dunra\" %f\n"), std::string::npos);
}

}  // namespace
}  // namespace dunra
