// Test support: runs the real dun binary in a folder, with its own HOME,
// and reads back what it left there.
#ifndef DUNRA_CLI_DUN_PROCESS_H_
#define DUNRA_CLI_DUN_PROCESS_H_

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace dunra::cli::testing {

struct ProcessResult {
  int exit_status = -1;  // -1 when killed by a signal
  std::string out;
  std::string err;
};

// Runs dun with args in folder, its standard input fed from input. HOME and
// the XDG folders point into scratch, which must exist and lie outside
// folder.
ProcessResult RunDunProcess(const std::filesystem::path& folder,
                            const std::filesystem::path& scratch,
                            const std::vector<std::string>& args,
                            const std::string& input = "");

// Every regular file below folder, by relative path, with its content.
std::map<std::string, std::string> ReadTree(const std::filesystem::path& folder);

}  // namespace dunra::cli::testing

#endif  // DUNRA_CLI_DUN_PROCESS_H_
