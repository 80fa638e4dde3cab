#include "platform/xdg_dirs.h"

#include <errno.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

#include "platform/file_system.h"

namespace dunra {
namespace {

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') return home;
  std::vector<char> buffer(16384);
  struct passwd entry;
  struct passwd* found = nullptr;
  if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/') {
    return found->pw_dir;
  }
  return "";
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string XdgDataHome() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home != nullptr && data_home[0] == '/') {
    return WithoutTrailingSlashes(data_home);
  }
  const std::string home = HomeFolder();
  if (home.empty()) return "";
  return WithoutTrailingSlashes(home) + "/.local/share";
}

void MakeFolders(const std::string& folder) {
  if (folder.empty()) return;
  for (size_t end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
    const std::string part = folder.substr(0, end);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
      throw FileError(part, errno);
    }
    if (end == std::string::npos || end + 1 == folder.size()) break;
  }
  struct stat st;
  if (::stat(folder.c_str(), &st) != 0) throw FileError(folder, errno);
  if (!S_ISDIR(st.st_mode)) throw FileError(folder, ENOTDIR);
}

}  // namespace dunra
