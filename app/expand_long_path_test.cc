#include "app/expand_long_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/fake_directory_lookup.h"
#include "platform/temp_folder.h"

namespace dunra {
namespace {

// Real folders: on a case-sensitive medium every name that exists comes
// back as written, and only a pattern that names nothing is replaced.
TEST(ExpandLongPathTest, RealFolders) {
  TempFolder folder;
  ASSERT_EQ(mkdir((folder / "Data").c_str(), 0700), 0);
  for (const char* name : {"Data/report.txt", "Data/a?.txt", "Data/ab.txt",
                           "Data/*"}) {
    folder.Write(name, "x");
  }
  PosixDirectoryLookup lookup;
  const std::string data = folder / "Data/";
  struct Case {
    std::string path;
    std::string expanded;
  };
  const Case cases[] = {
      {data + "report.txt", data + "report.txt"},
      {data + "a?.txt", data + "a?.txt"},  // a file of that very name
      {data + "*", data + "*"},
      {data + "rep*.txt", data + "report.txt"},  // a pattern naming nothing
      {data + "missing.txt", data + "missing.txt"},
      {data + "missing/report.txt", data + "missing/report.txt"},
      {data + "r*/x", data + "r*/x"},  // patterns only in the last component
      {data, data},
      {folder / "Data//report.txt", folder / "Data//report.txt"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandLongPath(c.path, lookup), c.expanded) << c.path;
  }
}

// A case-insensitive medium gives each component its stored spelling; the
// part before the first component it cannot look up stays as written.
TEST(ExpandLongPathTest, StoredSpellingOnACaseInsensitiveMedium) {
  FakeDirectoryLookup lookup(/*case_insensitive=*/true);
  lookup.Add("/media/usb/Data/Report 1998.txt");
  lookup.Add("/media/usb/Data/notes.txt");
  EXPECT_EQ(ExpandLongPath("/MEDIA/usb/DATA/report 1998.TXT", lookup),
            "/media/usb/Data/Report 1998.txt");
  EXPECT_EQ(ExpandLongPath("/media/usb/data/N*", lookup),
            "/media/usb/Data/notes.txt");
  EXPECT_EQ(ExpandLongPath("/media/USB/gone/REPORT 1998.TXT", lookup),
            "/media/USB/gone/REPORT 1998.TXT");
  // The loop stops at the first failed lookup: here the empty prefix.
  lookup.looked_up.clear();
  ExpandLongPath("/media/usb", lookup);
  EXPECT_EQ(lookup.looked_up,
            (std::vector<std::string>{"/media/usb", "/media", ""}));
}

// A relative argument keeps naming the file in the current folder, never
// one under the root.
TEST(ExpandLongPathTest, RelativePathIsMadeAbsolute) {
  FakeDirectoryLookup lookup(/*case_insensitive=*/true);
  lookup.Add("/home/ann/Data/Report 1998.txt");
  lookup.SetCurrentFolder("/home/ann");
  EXPECT_EQ(ExpandLongPath("data/REPORT 1998.txt", lookup),
            "/home/ann/Data/Report 1998.txt");
  EXPECT_EQ(ExpandLongPath("missing.txt", lookup), "/home/ann/missing.txt");
  lookup.SetCurrentFolder("/");
  EXPECT_EQ(ExpandLongPath("home", lookup), "/home");
  lookup.SetCurrentFolder("");  // the current folder is gone
  EXPECT_EQ(ExpandLongPath("home", lookup), "home");
}

}  // namespace
}  // namespace dunra
