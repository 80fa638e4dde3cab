#include "cli/dun_options.h"

#include <string_view>

namespace dunra::cli {
namespace {

// Applies one flag that takes no value; false when `letter` is unknown.
bool ApplyFlag(char letter, Options& options) {
  switch (letter) {
    case 'd':
    case 'x':
      options.mode = Mode::kDecompress;
      return true;
    case 't':
      options.mode = Mode::kTest;
      return true;
    case 'f':
      options.force = true;
      return true;
    case 'c':
      options.to_stdout = true;
      return true;
    case 'v':
      options.verbose = true;
      return true;
    case 'q':
      options.verbose = false;
      return true;
    case 'h':
      options.help = true;
      return true;
    case 'V':
      options.version = true;
      return true;
    default:
      return false;
  }
}

struct LongOption {
  std::string_view name;
  char letter;
};

constexpr LongOption kLongOptions[] = {
    {"decompress", 'd'}, {"test", 't'},    {"force", 'f'},
    {"stdout", 'c'},     {"verbose", 'v'}, {"quiet", 'q'},
    {"help", 'h'},       {"version", 'V'}, {"output", 'o'},
};

// Checks what only the whole command line can show.
std::string CheckCombination(const Options& options) {
  if (options.help || options.version) return {};
  if (options.files.empty()) {
    return "no files given (use - for standard input)";
  }
  if (options.output) {
    if (options.output->empty()) return "-o needs a non-empty path";
    if (options.files.size() != 1) return "-o names the output of a single input";
    if (options.to_stdout) return "-c and -o cannot be used together";
  }
  if (options.mode == Mode::kTest && (options.output || options.to_stdout)) {
    return "-t writes nothing; -c and -o do not apply";
  }
  // The format has no frames: two compressed files in one stream could
  // never be told apart again.
  if (options.mode == Mode::kCompress && options.to_stdout &&
      options.files.size() > 1) {
    return "-c compresses a single file (the format holds one file)";
  }
  int stdin_count = 0;
  for (const std::string& file : options.files) stdin_count += file == "-";
  if (stdin_count > 1) return "standard input (-) can be read only once";
  return {};
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv) {
  ParsedCommandLine parsed;
  Options& options = parsed.options;
  auto fail = [&parsed](std::string message) {
    parsed.usage_error = std::move(message);
    return parsed;
  };

  bool options_ended = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (options_ended || arg == "-" || arg.empty() || arg[0] != '-') {
      options.files.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    if (arg.starts_with("--")) {
      const std::string_view body = arg.substr(2);
      const size_t equals = body.find('=');
      const std::string_view name = body.substr(0, equals);
      const LongOption* found = nullptr;
      for (const LongOption& option : kLongOptions) {
        if (option.name == name) found = &option;
      }
      if (found == nullptr) {
        return fail("unknown option '--" + std::string(name) + "'");
      }
      if (found->letter == 'o') {
        if (equals != std::string_view::npos) {
          options.output = std::string(body.substr(equals + 1));
        } else if (i + 1 < argc) {
          options.output = argv[++i];
        } else {
          return fail("option '--output' needs a path");
        }
        continue;
      }
      if (equals != std::string_view::npos) {
        return fail("option '--" + std::string(name) + "' takes no value");
      }
      ApplyFlag(found->letter, options);
      continue;
    }
    // A cluster of short options; 'o' takes the rest of it or the next
    // argument.
    for (size_t k = 1; k < arg.size(); ++k) {
      const char letter = arg[k];
      if (letter == 'o') {
        if (k + 1 < arg.size()) {
          options.output = std::string(arg.substr(k + 1));
        } else if (i + 1 < argc) {
          options.output = argv[++i];
        } else {
          return fail("option '-o' needs a path");
        }
        break;
      }
      if (!ApplyFlag(letter, options)) {
        return fail(std::string("unknown option '-") + letter + "'");
      }
    }
  }
  parsed.usage_error = CheckCombination(options);
  return parsed;
}

std::string UsageText() {
  return "Usage: dun [OPTION]... FILE...\n"
         "Compress each FILE to FILE's name with the extension .dun, or with -d\n"
         "restore each compressed FILE to its former name. Sources are kept.\n"
         "\n"
         "  -d, -x, --decompress  extract instead of compressing\n"
         "  -t, --test            check that each compressed FILE decodes; write nothing\n"
         "  -f, --force           replace an existing output file\n"
         "  -c, --stdout          write the result to standard output\n"
         "  -o, --output=PATH     write the result of the single FILE to PATH\n"
         "                        (- for standard output)\n"
         "  -v, --verbose         print the report of each file\n"
         "  -q, --quiet           print nothing but errors (cancels -v)\n"
         "  -h, --help            show this help and exit\n"
         "  -V, --version         show the version and exit\n"
         "\n"
         "A FILE of - reads standard input and writes standard output.\n"
         "Exit status: 0 when every file succeeded, 1 when any failed, 2 on a\n"
         "usage error.\n";
}

}  // namespace dunra::cli
