// The whole of `dun` short of main(): parses the command line, runs the
// command cores on each file and prints messages. Everything it touches
// comes in through DunEnvironment, so tests can run it in-process over a
// fault-injecting file system.
#ifndef DUNRA_CLI_DUN_RUN_H_
#define DUNRA_CLI_DUN_RUN_H_

#include <ostream>

#include "platform/file_system.h"

namespace dunra::cli {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // some file failed
inline constexpr int kExitUsage = 2;

struct DunEnvironment {
  FileSystem& fs;
  int stdin_fd = 0;   // read whole for the file "-"
  int stdout_fd = 1;  // results of -c and of "-"
  bool stdout_is_terminal = false;
  std::ostream& out;  // --help and --version
  std::ostream& err;  // reports and error messages
};

int RunDun(int argc, const char* const* argv, DunEnvironment& env);

}  // namespace dunra::cli

#endif  // DUNRA_CLI_DUN_RUN_H_
