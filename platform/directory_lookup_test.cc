#include "platform/directory_lookup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/temp_folder.h"

namespace dunra {
namespace {

class DirectoryLookupTest : public ::testing::Test {
 protected:
  std::optional<std::string> Stored(const std::string& name) {
    return lookup_.StoredName(folder_ / name);
  }

  TempFolder folder_;
  PosixDirectoryLookup lookup_;
};

TEST_F(DirectoryLookupTest, ExistingEntriesKeepTheirNames) {
  ASSERT_EQ(mkdir((folder_ / "Data").c_str(), 0700), 0);
  folder_.Write("Data/Report 1998.txt", "x");
  EXPECT_EQ(Stored("Data/Report 1998.txt"), "Report 1998.txt");
  EXPECT_EQ(Stored("Data"), "Data");
  EXPECT_EQ(Stored("Data/."), ".");
}

// '*', '?' and '[' are legal in names here: a file that exists as written
// must never be swapped for another that the pattern would also match.
TEST_F(DirectoryLookupTest, NameThatExistsAsWrittenIsNeverAPattern) {
  for (const char* name : {"aa.txt", "a?.txt", "ab.txt", "*", "b", "[x]", "x"}) {
    folder_.Write(name, "x");
  }
  EXPECT_EQ(Stored("a?.txt"), "a?.txt");
  EXPECT_EQ(Stored("*"), "*");
  EXPECT_EQ(Stored("[x]"), "[x]");
}

TEST_F(DirectoryLookupTest, PatternThatNamesNothingTakesTheFirstMatch) {
  folder_.Write("report.txt", "x");
  folder_.Write(".hidden.txt", "x");
  EXPECT_EQ(Stored("rep?rt.*"), "report.txt");
  EXPECT_EQ(Stored("*.txt"), "report.txt");  // a leading '*' skips dot files
  EXPECT_EQ(Stored("*.zip"), std::nullopt);
  EXPECT_EQ(Stored("[q]*"), std::nullopt);
}

TEST_F(DirectoryLookupTest, PathsThatNameNoEntry) {
  folder_.Write("a.txt", "x");
  EXPECT_EQ(Stored("missing.txt"), std::nullopt);
  EXPECT_EQ(Stored("missing/a.txt"), std::nullopt);
  EXPECT_EQ(Stored("missing/*"), std::nullopt);
  EXPECT_EQ(Stored(""), std::nullopt);  // the folder with its trailing '/'
  EXPECT_EQ(lookup_.StoredName("/"), std::nullopt);
  EXPECT_EQ(lookup_.StoredName(""), std::nullopt);
}

TEST_F(DirectoryLookupTest, LinksAreEntriesOfTheirOwn) {
  folder_.Write("a", "x");
  ASSERT_EQ(link((folder_ / "a").c_str(), (folder_ / "b").c_str()), 0);
  ASSERT_EQ(symlink("a", (folder_ / "c").c_str()), 0);
  ASSERT_EQ(symlink("nowhere", (folder_ / "d").c_str()), 0);
  EXPECT_EQ(Stored("b"), "b");  // not its twin "a", same inode
  EXPECT_EQ(Stored("c"), "c");
  EXPECT_EQ(Stored("d"), "d");
}

TEST_F(DirectoryLookupTest, CurrentFolderIsAbsolute) {
  const std::string current = lookup_.CurrentFolder();
  ASSERT_FALSE(current.empty());
  EXPECT_EQ(current[0], '/');
}

}  // namespace
}  // namespace dunra
