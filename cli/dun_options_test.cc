#include "cli/dun_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dunra::cli {
namespace {

ParsedCommandLine Parse(std::vector<const char*> args) {
  args.insert(args.begin(), "dun");
  return ParseCommandLine(static_cast<int>(args.size()), args.data());
}

TEST(DunOptions, AcceptedCommandLines) {
  struct Case {
    std::vector<const char*> args;
    Mode mode;
    bool force, to_stdout, verbose;
    const char* output;  // nullptr: none
    std::vector<std::string> files;
  };
  const Case cases[] = {
      {{"a.txt", "b.c"}, Mode::kCompress, false, false, false, nullptr, {"a.txt", "b.c"}},
      {{"-d", "a.dun"}, Mode::kDecompress, false, false, false, nullptr, {"a.dun"}},
      {{"-x", "a.dun"}, Mode::kDecompress, false, false, false, nullptr, {"a.dun"}},
      {{"--decompress", "a.dun"}, Mode::kDecompress, false, false, false, nullptr, {"a.dun"}},
      {{"--test", "a.dun", "-"}, Mode::kTest, false, false, false, nullptr, {"a.dun", "-"}},
      // Clusters, options after file names, last of -d/-t wins.
      {{"-tfcv", "a.dun", "-d"}, Mode::kDecompress, true, true, true, nullptr, {"a.dun"}},
      {{"-dc", "a.dun", "b.dun"}, Mode::kDecompress, false, true, false, nullptr, {"a.dun", "b.dun"}},
      {{"-v", "-q", "a"}, Mode::kCompress, false, false, false, nullptr, {"a"}},
      {{"--force", "--stdout", "--verbose", "a"}, Mode::kCompress, true, true, true, nullptr, {"a"}},
      // -o in every spelling.
      {{"-o", "out.dun", "a.txt"}, Mode::kCompress, false, false, false, "out.dun", {"a.txt"}},
      {{"-dvoout.txt", "a.dun"}, Mode::kDecompress, false, false, true, "out.txt", {"a.dun"}},
      {{"--output=o", "a"}, Mode::kCompress, false, false, false, "o", {"a"}},
      {{"--output", "-v", "a"}, Mode::kCompress, false, false, false, "-v", {"a"}},
      // "--" ends options; "-" is standard input.
      {{"-f", "--", "-d", "--x"}, Mode::kCompress, true, false, false, nullptr, {"-d", "--x"}},
      {{"-c", "-"}, Mode::kCompress, false, true, false, nullptr, {"-"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.front());
    const ParsedCommandLine parsed = Parse(c.args);
    ASSERT_EQ(parsed.usage_error, "");
    const Options& o = parsed.options;
    EXPECT_EQ(o.mode, c.mode);
    EXPECT_EQ(o.force, c.force);
    EXPECT_EQ(o.to_stdout, c.to_stdout);
    EXPECT_EQ(o.verbose, c.verbose);
    EXPECT_EQ(o.output.has_value(), c.output != nullptr);
    if (c.output) {
      EXPECT_EQ(*o.output, c.output);
    }
    EXPECT_EQ(o.files, c.files);
  }
}

TEST(DunOptions, UsageErrorsNameTheProblem) {
  struct Case {
    std::vector<const char*> args;
    std::string error;
  };
  const Case cases[] = {
      {{}, "no files given (use - for standard input)"},
      {{"-v"}, "no files given (use - for standard input)"},
      {{"-k", "a"}, "unknown option '-k'"},
      {{"-dk", "a"}, "unknown option '-k'"},
      {{"--keep", "a"}, "unknown option '--keep'"},
      {{"--forc", "a"}, "unknown option '--forc'"},
      {{"--force=yes", "a"}, "option '--force' takes no value"},
      {{"a", "-o"}, "option '-o' needs a path"},
      {{"a", "--output"}, "option '--output' needs a path"},
      {{"-o", "", "a"}, "-o needs a non-empty path"},
      {{"-o", "x", "a", "b"}, "-o names the output of a single input"},
      {{"-c", "-o", "x", "a"}, "-c and -o cannot be used together"},
      {{"-t", "-c", "a"}, "-t writes nothing; -c and -o do not apply"},
      {{"-t", "-o", "x", "a"}, "-t writes nothing; -c and -o do not apply"},
      {{"-", "a", "-"}, "standard input (-) can be read only once"},
      {{"-c", "a", "b"}, "-c compresses a single file (the format holds one file)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    EXPECT_EQ(Parse(c.args).usage_error, c.error);
  }
}

TEST(DunOptions, HelpAndVersionNeedNoFiles) {
  EXPECT_TRUE(Parse({"--help"}).options.help);
  EXPECT_EQ(Parse({"--help"}).usage_error, "");
  EXPECT_TRUE(Parse({"-V"}).options.version);
  EXPECT_EQ(Parse({"--version"}).usage_error, "");
}

}  // namespace
}  // namespace dunra::cli
