#include "platform/file_name.h"

#include <gtest/gtest.h>

namespace dunra {
namespace {

TEST(FileName, SplitsAtTheLastSlashAndTheLastDotOfTheName) {
  struct Case {
    std::string path, folder, name, ext;
  };
  const Case cases[] = {
      {"/tmp/a.txt", "/tmp/", "a.txt", ".txt"},
      {"a.txt", "", "a.txt", ".txt"},
      {"dir/sub/a.tar.gz", "dir/sub/", "a.tar.gz", ".gz"},
      {"dir.x/README", "dir.x/", "README", ""},  // dot only in the folder
      {"README", "", "README", ""},
      {"name.", "", "name.", "."},
      {".bashrc", "", ".bashrc", ".bashrc"},
      {"dir/", "dir/", "", ""},
      {"/", "/", "", ""},
      {"", "", "", ""},
      // '\' and ':' are name characters on POSIX.
      {"C:\\temp\\a.txt", "", "C:\\temp\\a.txt", ".txt"},
      {"a\\b.c\\d", "", "a\\b.c\\d", ".c\\d"},
      {"x/c:y.z", "x/", "c:y.z", ".z"},
      // Bytes above 0x7F are kept as they are.
      {"d\xc3\xa9/\xe6\x97\xa5.t\xc3\xa9", "d\xc3\xa9/", "\xe6\x97\xa5.t\xc3\xa9",
       ".t\xc3\xa9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ExtractFilePath(c.path), c.folder);
    EXPECT_EQ(ExtractFileName(c.path), c.name);
    EXPECT_EQ(ExtractFileExt(c.path), c.ext);
    EXPECT_EQ(ExtractFilePath(c.path) + ExtractFileName(c.path), c.path);
  }
}

TEST(FileName, AnsiUpperCaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(AnsiUpperCase(".dun"), ".DUN");
  EXPECT_EQ(AnsiUpperCase(".DuN"), ".DUN");
  EXPECT_EQ(AnsiUpperCase("az AZ 09 @[`{"), "AZ AZ 09 @[`{");
  // é and ß in UTF-8 stay byte for byte.
  EXPECT_EQ(AnsiUpperCase("\xc3\xa9\xc3\x9f" "x"), "\xc3\xa9\xc3\x9f" "X");
  EXPECT_EQ(AnsiUpperCase(std::string("a\0b", 3)), std::string("A\0B", 3));
}

}  // namespace
}  // namespace dunra
