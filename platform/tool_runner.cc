#include "platform/tool_runner.h"

#include <errno.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace dunra {

ToolResult PosixToolRunner::Run(const std::vector<std::string>& argv) {
  if (argv.empty()) return ToolResult::kFailed;
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid;
  const int error = posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ);
  if (error == ENOENT) return ToolResult::kNotInstalled;
  if (error != 0) return ToolResult::kFailed;
  int status;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return ToolResult::kFailed;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ToolResult::kSucceeded
                                                         : ToolResult::kFailed;
}

}  // namespace dunra
