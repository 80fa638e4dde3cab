// The command line of `dun`: what to do, how, and to which files.
#ifndef DUNRA_CLI_DUN_OPTIONS_H_
#define DUNRA_CLI_DUN_OPTIONS_H_

#include <optional>
#include <string>
#include <vector>

namespace dunra::cli {

enum class Mode { kCompress, kDecompress, kTest };

struct Options {
  Mode mode = Mode::kCompress;
  bool force = false;      // -f: replace an existing output
  bool to_stdout = false;  // -c: write results to standard output
  bool verbose = false;    // -v: print each file's report; -q clears it
  bool help = false;
  bool version = false;
  std::optional<std::string> output;  // -o PATH, single input only
  std::vector<std::string> files;     // "-" is standard input
};

struct ParsedCommandLine {
  Options options;
  std::string usage_error;  // empty when the command line is sound
};

// Parses argv[1..argc). Options may follow file names; "--" ends options;
// short options combine ("-dvf", "-oPATH"); long options take "=VALUE" or
// the next argument.
ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

// The text of --help.
std::string UsageText();

}  // namespace dunra::cli

#endif  // DUNRA_CLI_DUN_OPTIONS_H_
