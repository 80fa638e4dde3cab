#include "commands/output_names.h"

#include <gtest/gtest.h>

#include "commands/command_error.h"
#include "commands/commands_test_util.h"

namespace dunra {
namespace {

using testing_util::Ext;
using testing_util::FailureOf;

TEST(OutputNames, CompressedNameAndStoredExtension) {
  using std::string_literals::operator""s;
  struct Case {
    std::string path, output, stored;
  };
  const Case cases[] = {
      {"/tmp/a.txt", "/tmp/a.dun", "txt"},
      {"index.html", "index.dun", "htm"},
      {"main.c", "main.dun", "c\0\0"s},
      {"a.cc", "a.dun", "cc\0"s},
      {"name.", "name.dun", "\0\0\0"s},
      {"x.dun", "x.dun", "dun"},
      {"d.ir/a.b.TXT", "d.ir/a.b.dun", "TXT"},
      {".bashrc", ".dun", "bas"},
      {"back\\slash.c:d", "back\\slash.dun", "c:d"},
      {"\xe6\x97\xa5.\xc3\xa9t", "\xe6\x97\xa5.dun", "\xc3\xa9t"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(CompressedName(c.path), c.output);
    EXPECT_EQ(StoredExtension(c.path), Ext(c.stored));
  }
}

TEST(OutputNames, SourcesWithoutAUsableExtensionAreRefused) {
  for (const std::string path : {"README", "/tmp/dir.x/README", "dir.x/", ""}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(FailureOf([&] { CompressedName(path); }), Failure::kNoExtension);
    EXPECT_EQ(FailureOf([&] { StoredExtension(path); }), Failure::kNoExtension);
  }
  // No extract could give such a name back.
  for (const std::string path : {"a.t\tt", "a.\x01", "a.x\x7f"}) {
    EXPECT_EQ(FailureOf([&] { StoredExtension(path); }),
              Failure::kUnsafeExtension);
  }
}

TEST(OutputNames, ExtractedNameReplacesTheLastThreeBytes) {
  using std::string_literals::operator""s;
  struct Case {
    std::string path, stored, output;
  };
  const Case cases[] = {
      {"/data/notes.dun", "txt", "/data/notes.txt"},
      {"/data/notes.DUN", "txt", "/data/notes.txt"},
      {"/data/notes.dUn", "txt", "/data/notes.txt"},
      {"/data/notes.dun", "c\0x"s, "/data/notes.c"},
      {"/data/notes.dun", "cc\0"s, "/data/notes.cc"},
      {"/data/notes.dun", "\0tx"s, "/data/notes."},
      {"/data/notes.dun", "c\0/"s, "/data/notes.c"},  // the zero ends the name
      {"page.dun", "htm", "page.htm"},
      {"/data/archive.xyz", "txt", "/data/archive.txt"},
      {"/data/abc", "txt", "/data/txt"},
      {"notes.txt", "txt", "notes.txt"},
      {"x.dun", "a\\b", "x.a\\b"},  // '\' is a name character here
      {"x.dun", "\xe6\x97\xa5", "x.\xe6\x97\xa5"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " + " + c.stored);
    EXPECT_EQ(ExtractedName(c.path, Ext(c.stored)), c.output);
  }
}

TEST(OutputNames, ExtractedNamesThatWouldLeaveTheFolderAreRefused) {
  using std::string_literals::operator""s;
  struct Case {
    std::string path, stored;
  };
  const Case cases[] = {
      {"/data/notes.dun", "a/b"},     // a delimiter
      {"/data/notes.dun", "/\0\0"s},
      {"/data/notes.dun", "t\nt"},    // control bytes
      {"/data/notes.dun", "\x01xx"},
      {"/data/notes.dun", "tx\x1f"},
      {"/data/notes.dun", "\x7f\0\0"s},
      {"/data/ab", "txt"},            // name part shorter than three bytes
      {"ab", "txt"},
      {"/data/x/", "txt"},
      {"/data/abc", "..\0"s},         // would name the folder above
      {"/data/abc", ".\0\0"s},
      {"/data/abc", "\0\0\0"s},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path + " + " + c.stored);
    EXPECT_EQ(FailureOf([&] { ExtractedName(c.path, Ext(c.stored)); }),
              Failure::kUnsafeExtension);
  }
}

}  // namespace
}  // namespace dunra
