// Runs the real dun binary in temporary folders.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "cli/dun_process.h"
#include "platform/temp_folder.h"

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
      {{"-o", "-", "a.txt"}, 0, "", {}, {}, kAbbbbcTxt},
      {{"-c", "README"}, 0, "", {}, {}, Hex("05 00 00 09 00 00 00 00 1F 68 65 6C 6C 6F")},
      {{"-"}, 0, "", {}, {}, kAbbbbcNoExt, "ABBBBC"},
      // Compressing refused; the other files go on.
      {{"README"}, 1, "dun: README: no extension to store; name the output with -o or use -c\n", {}},
      {{"nope.txt", "a.txt"}, 1, "dun: nope.txt: No such file or directory\n", {{"a.dun", kAbbbbcTxt}}},
      {{"-f", "notes.dun"}, 1,
       "dun: notes.dun: the output 'notes.dun' would replace its source; name another with -o\n", {}},
      {{"-df", "self.txt"}, 1,
       "dun: self.txt: the output 'self.txt' would replace its source; name another with -o\n",
       {}, {{"self.txt", k300ATxt}}},
      {{"-o", "./a.txt", "a.txt"}, 1,
       "dun: a.txt: the output './a.txt' would replace its source; name another with -o\n", {}},
      {{"-o", "r.dun", "README"}, 0, "", {{"r.dun", Hex("05 00 00 09 00 00 00 00 1F 68 65 6C 6C 6F")}}},
      {{"-o", "r.dun", "-"}, 0, "", {{"r.dun", kAbbbbcNoExt}}, {}, "", "ABBBBC"},
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
    const TempFolder temp;
    const fs::path scratch = temp.path();
    const fs::path folder = scratch / "work";
    fs::create_directory(folder);
    Tree expected = kFixture;
    for (const auto& [name, content] : c.before) expected[name] = content;
    for (const auto& [name, content] : expected) WriteWholeFile(folder / name, content);
    for (const auto& [name, content] : c.changes) expected[name] = content;

    const ProcessResult result = RunDunProcess(folder, scratch, c.args, c.in);
    EXPECT_EQ(result.exit_status, c.exit_status);
    EXPECT_EQ(result.out, c.out);
    ExpectErr(result.err, c.err);
    EXPECT_EQ(ReadTree(folder), expected);
  }
}

// Content of many kinds: empty, one byte, runs of every length around
// the coding's limits, no runs at all, and text.
std::string MixedContent(int i) {
  std::string content;
  uint32_t x = 2463534242u + static_cast<uint32_t>(i);
  const size_t length = i == 0 ? 0 : i == 1 ? 1 : static_cast<size_t>(i) * 997 % 70000;
  while (content.size() < length) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    const size_t run = (i % 3 == 0) ? 1 : 1 + x % (i % 3 == 1 ? 9 : 300);
    content.append(std::min(run, length - content.size()), static_cast<char>(x >> 24));
  }
  return content;
}

TEST(DunBinary, RoundTripsAMixedFolderByteForByte) {
  const TempFolder temp;
  const fs::path scratch = temp.path();
  const fs::path sources = scratch / "sources";
  const fs::path packed = scratch / "packed";
  fs::create_directory(sources);
  fs::create_directory(packed);
  // Names: extensions of one to four letters, a final dot, spaces, a
  // leading dash and dot, non-ASCII bytes. Four-letter extensions come
  // back cut to three.
  const std::vector<std::string> stems = {"plain", "with space", "-dash", ".hidden",
                                          "cafÃ©", "a.b", "name", "x"};
  const std::vector<std::string> exts = {".txt", ".c", ".html", ".", ".bin", ".DUN"};
  Tree originals, restored;
  std::vector<std::string> args = {"--"};
  for (size_t i = 0; i < stems.size() * exts.size(); ++i) {
    const std::string stem = stems[i % stems.size()] + std::to_string(i);
    const std::string ext = exts[i % exts.size()];
    originals[stem + ext] = MixedContent(static_cast<int>(i));
    restored[stem + ext.substr(0, 4)] = originals[stem + ext];
    WriteWholeFile(sources / (stem + ext), originals[stem + ext]);
    args.push_back(stem + ext);
  }
  ProcessResult result = RunDunProcess(sources, scratch, args);
  ASSERT_EQ(result.exit_status, 0) << result.err;
  EXPECT_EQ(result.err, "");

  std::vector<std::string> packed_names = {"-d", "--"};
  for (const auto& [name, content] : ReadTree(sources)) {
    if (originals.count(name)) {
      EXPECT_EQ(content, originals[name]) << "source changed: " << name;
    } else {
      fs::rename(sources / name, packed / name);
      packed_names.push_back(name);
    }
  }
  ASSERT_EQ(packed_names.size(), 2 + originals.size());
  result = RunDunProcess(packed, scratch, packed_names);
  ASSERT_EQ(result.exit_status, 0) << result.err;
  for (const auto& [name, content] : ReadTree(packed)) {
    if (name.ends_with(".dun") && !restored.count(name)) continue;
    EXPECT_EQ(restored.count(name), 1u) << "unexpected file " << name;
    EXPECT_EQ(content, restored[name]) << name;
    restored.erase(name);
  }
  EXPECT_TRUE(restored.empty()) << restored.size() << " files not restored";

  // The same through standard input and output.
  for (const int i : {0, 5, 31}) {
    const ProcessResult packed_stream = RunDunProcess(scratch, scratch, {"-c", "-"},
                                                      MixedContent(i));
    ASSERT_EQ(packed_stream.exit_status, 0) << packed_stream.err;
    const ProcessResult back = RunDunProcess(scratch, scratch, {"-dc", "-"},
                                             packed_stream.out);
    ASSERT_EQ(back.exit_status, 0) << back.err;
    EXPECT_EQ(back.out, MixedContent(i)) << i;
  }
}

// The format's size field cannot describe 2^24 bytes: refused from the
// length alone, before anything is read or written.
TEST(DunBinary, RefusesSourcesBeyondTheFormat) {
  const TempFolder temp;
  const fs::path folder = fs::path(temp.path()) / "work";
  fs::create_directory(folder);
  WriteWholeFile(folder / "big.bin", "");
  fs::resize_file(folder / "big.bin", 16'777'216);
  const ProcessResult result = RunDunProcess(folder, temp.path(), {"big.bin"});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_EQ(result.err, "dun: big.bin: too large for the format\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(DunBinary, HelpShowsEveryOption) {
  const TempFolder temp;
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
