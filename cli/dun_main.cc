// dun: the command-line companion of the Dunra window.
#include <unistd.h>

#include <iostream>

#include "cli/dun_run.h"
#include "platform/posix_file_system.h"

int main(int argc, char** argv) {
  dunra::PosixFileSystem fs;
  dunra::cli::DunEnvironment env{fs,   STDIN_FILENO, STDOUT_FILENO,
                                 ::isatty(STDOUT_FILENO) == 1, std::cout,
                                 std::cerr};
  const int status = dunra::cli::RunDun(argc, argv, env);
  std::cout.flush();
  return std::cout ? status : dunra::cli::kExitFailure;
}
