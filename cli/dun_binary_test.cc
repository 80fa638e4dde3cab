// Runs the real dun binary in temporary folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/dun_process.h"

namespace dunra::cli::testing {
namespace {
namespace fs = std::filesystem;

using Tree = std::map<std::string, std::string>;

std::string Hex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 3) {
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return out;
}

// ABBBBC from a.txt, and 300 x 'A' from page.html and from notes.txt.
const std::string kAbbbbcTxt = Hex("06 00 00 0A 00 74 78 74 82 1F 41 42 43");
const std::string kAbbbbcNoExt = Hex("06 00 00 0A 00 00 00 00 82 1F 41 42 43");
const std::string k300AHtm = Hex("2C 01 00 0D 00 68 74 6D 01 FF 01 2C 1F 41 41 41");
const std::string k300ATxt = Hex("2C 01 00 0D 00 74 78 74 01 FF 01 2C 1F 41 41 41");
const std::string k300A(300, 'A');

const Tree kFixture = {
    {"a.txt", "ABBBBC"},
    {"page.html", k300A},
    {"README", "hello"},
    {"notes.dun", k300ATxt},
    {"junk.dun", "xyz"},
    {"evil.dun", Hex("01 00 00 09 00 2F 78 00 1F 41")},  // stored "/x"
};

struct Case {
  std::vector<std::string> args;
  int exit_status;
  std::string err;  // a trailing '*' matches any rest of the line
  Tree changes;     // files added or changed, beyond the fixture
  Tree before = {}; // files present beforehand, beyond the fixture
  std::string out = "";
  std::string in = "";
};

void ExpectErr(const std::string& err, const std::string& expected) {
  if (!expected.empty() && expected.back() == '*') {
    const std::string prefix = expected.substr(0, expected.size() - 1);
    EXPECT_EQ(err.substr(0, prefix.size()), prefix) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "one line expected: " << err;
  } else {
    EXPECT_EQ(err, expected);
  }
}

TEST(DunBinary, InvocationTable) {
  const std::string kUsage = "Try 'dun --help' for more information.\n";
  const Case cases[] = {
      // Compressing: outputs beside their sources, sources kept.
      {{"a.txt"}, 0, "", {{"a.dun", kAbbbbcTxt}}},
      {{"a.txt", "page.html"}, 0, "", {{"a.dun", kAbbbbcTxt}, {"page.dun", k300AHtm}}},
      {{"-v", "a.txt"}, 0,
       "--- Compress ---\n\n'a.dun'\nsize:13(<-6)\nratio:216%\n",
       {{"a.dun", kAbbbbcTxt}}},
      {{"-vq", "a.txt"}, 0, "", {{"a.dun", kAbbbbcTxt}}},
      {{"--", "-v.txt"}, 0, "", {{"-v.dun", kAbbbbcTxt}}, {{"-v.txt", "ABBBBC"}}},
      {{"-o", "x.bin", "a.txt"}, 0, "", {{"x.bin", kAbbbbcTxt}}},
      {{"-c", "a.txt"}, 0, "", {}, {}, kAbbbbcTxt},
      {{"-c", "README"}, 0, "", {}, {}, Hex("05 00 00 09 00 00 00 00 1F 68 65 6C 6C 6F")},
      {{"-"}, 0, "", {}, {}, kAbbbbcNoExt, "ABBBBC"},
      // Compressing refused; the other files go on.
      {{"README"}, 1, "dun: README: no extension to store; name the output with -o or use -c\n", {}},
      {{"nope.txt", "a.txt"}, 1, "dun: nope.txt: No such file or directory\n", {{"a.dun", kAbbbbcTxt}}},
      {{"-f", "notes.dun"}, 1,
       "dun: notes.dun: the output 'notes.dun' would replace the source; name another with -o\n", {}},
      {{"-o", "no/such/x.dun", "a.txt"}, 1,
       "dun: a.txt: cannot write 'no/such/x.dun': No such file or directory\n", {}},
      // -f protection.
      {{"a.txt"}, 1,
       "dun: a.txt: 'a.dun' already exists; not replaced (use -f to replace it)\n",
       {}, {{"a.dun", "older"}}},
      {{"-f", "a.txt"}, 0, "", {{"a.dun", kAbbbbcTxt}}, {{"a.dun", "older"}}},
      {{"-d", "notes.dun"}, 1,
       "dun: notes.dun: 'notes.txt' already exists; not replaced (use -f to replace it)\n",
       {}, {{"notes.txt", "older"}}},
      // Extracting.
      {{"-d", "notes.dun"}, 0, "", {{"notes.txt", k300A}}},
      {{"-xv", "notes.dun"}, 0, "--- Extract ---\n\n'notes.txt'\nsize:300(<-16)\n", {{"notes.txt", k300A}}},
      {{"--decompress", "-o", "back", "notes.dun"}, 0, "", {{"back", k300A}}},
      {{"-dc", "notes.dun", "notes.dun"}, 0, "", {}, {}, k300A + k300A},
      {{"-d", "-"}, 0, "", {}, {}, "ABBBBC", kAbbbbcTxt},
      {{"-d", "junk.dun", "notes.dun"}, 1, "dun: junk.dun: not a compressed file*", {{"notes.txt", k300A}}},
      {{"-d", "evil.dun"}, 1, "dun: evil.dun: unsafe stored extension\n", {}},
      {{"-d", "-"}, 1, "dun: (stdin): not a compressed file*", {}, {}, "", "12345"},
      // Testing writes nothing.
      {{"-t", "notes.dun", "evil.dun"}, 1, "dun: evil.dun: unsafe stored extension\n", {}},
      {{"-tv", "notes.dun", "-"}, 0, "notes.dun: OK\n(stdin): OK\n", {}, {}, "", kAbbbbcTxt},
      {{"--test", "junk.dun"}, 1, "dun: junk.dun: not a compressed file*", {}},
      {{"-t", "page.html"}, 1, "dun: page.html: not a compressed file*", {}},
      // Usage.
      {{}, 2, "dun: no files given (use - for standard input)\n" + kUsage, {}},
      {{"-k", "a.txt"}, 2, "dun: unknown option '-k'\n" + kUsage, {}},
      {{"-o", "x", "a.txt", "page.html"}, 2, "dun: -o names the output of a single input\n" + kUsage, {}},
      {{"--version"}, 0, "", {}, {}, "dun (Dunra) 1.0.0\n"},
  };
  for (const Case& c : cases) {
    std::string label = "dun";
    for (const std::string& arg : c.args) label += " " + arg;
    SCOPED_TRACE(label);
    TempFolder temp;
    const fs::path folder = temp.path() / "work";
    fs::create_directory(folder);
    Tree expected = kFixture;
    for (const auto& [name, content] : c.before) expected[name] = content;
    for (const auto& [name, content] : expected) WriteFile(folder / name, content);
    for (const auto& [name, content] : c.changes) expected[name] = content;

    const ProcessResult result = RunDunProcess(folder, temp.path(), c.args, c.in);
    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.out, c.out);
    ExpectErr(result.err, c.err);
    EXPECT_EQ(ReadTree(folder), expected);
  }
}

TEST(DunBinary, HelpShowsEveryOption) {
  TempFolder temp;
  const ProcessResult result = RunDunProcess(temp.path(), temp.path(), {"--help"});
  EXPECT_EQ(result.exit_status, 0);
  for (const char* option : {"--decompress", "--test", "--force", "--stdout",
                             "--output", "--verbose", "--quiet", "--version"}) {
    EXPECT_NE(result.out.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(result.err, "");
}

}  // namespace
}  // namespace dunra::cli::testing
