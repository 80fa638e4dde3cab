#include "cli/dun_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "platform/temp_folder.h"

namespace dunra::cli::testing {
namespace fs = std::filesystem;

std::map<std::string, std::string> ReadTree(const fs::path& folder) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      tree[fs::relative(entry.path(), folder).string()] = ReadWholeFile(entry.path());
    }
  }
  return tree;
}

ProcessResult RunDunProcess(const fs::path& folder, const fs::path& scratch,
                            const std::vector<std::string>& args,
                            const std::string& input) {
  const fs::path in_path = scratch / "stdin";
  const fs::path out_path = scratch / "stdout";
  const fs::path err_path = scratch / "stderr";
  WriteWholeFile(in_path, input);
  const fs::path home = scratch / "home";
  fs::create_directories(home);

  std::vector<std::string> env_strings = {
      "HOME=" + home.string(),
      "XDG_CONFIG_HOME=" + (home / ".config").string(),
      "XDG_DATA_HOME=" + (home / ".local/share").string(),
      "PATH=/usr/bin:/bin",
      "LC_ALL=C",
  };
  std::vector<char*> env;
  for (std::string& s : env_strings) env.push_back(s.data());
  env.push_back(nullptr);
  std::vector<std::string> arg_strings = {DUN_BINARY};
  arg_strings.insert(arg_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& s : arg_strings) argv.push_back(s.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    const int in = open(in_path.c_str(), O_RDONLY);
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
        dup2(err, 2) < 0 || chdir(folder.c_str()) != 0) {
      _exit(127);
    }
    execve(argv[0], argv.data(), env.data());
    _exit(127);
  }
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");
  ProcessResult result;
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadWholeFile(out_path);
  result.err = ReadWholeFile(err_path);
  return result;
}

}  // namespace dunra::cli::testing
