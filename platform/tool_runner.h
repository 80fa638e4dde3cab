// Running the desktop's helper programs (database refreshers).
#ifndef DUNRA_PLATFORM_TOOL_RUNNER_H_
#define DUNRA_PLATFORM_TOOL_RUNNER_H_

#include <string>
#include <vector>

namespace dunra {

enum class ToolResult {
  kSucceeded,
  kNotInstalled,  // no such program on the search path
  kFailed,        // it ran and reported failure, or could not be started
};

class ToolRunner {
 public:
  virtual ~ToolRunner() = default;
  // Runs argv[0], found on PATH, with the arguments and waits for it.
  virtual ToolResult Run(const std::vector<std::string>& argv) = 0;
};

class PosixToolRunner : public ToolRunner {
 public:
  ToolResult Run(const std::vector<std::string>& argv) override;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_TOOL_RUNNER_H_
