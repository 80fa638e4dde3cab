#include "platform/directory_lookup.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <strings.h>
#include <vector>

namespace dunra {
namespace {

struct FolderAndName {
  std::string folder;
  std::string name;
};

FolderAndName Split(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {".", path};
  std::string folder = path.substr(0, slash);
  if (folder.empty()) folder = "/";
  return {folder, path.substr(slash + 1)};
}

bool IsPattern(const std::string& name) {
  return name.find_first_of("*?[") != std::string::npos;
}

class OpenFolder {
 public:
  explicit OpenFolder(const std::string& path) : dir_(opendir(path.c_str())) {}
  ~OpenFolder() {
    if (dir_ != nullptr) closedir(dir_);
  }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;

  bool ok() const { return dir_ != nullptr; }
  int fd() const { return dirfd(dir_); }
  void Rewind() { rewinddir(dir_); }
  // The next entry's name, or nullptr at the end of the folder.
  const char* Next() {
    const dirent* entry = readdir(dir_);
    return entry == nullptr ? nullptr : entry->d_name;
  }

 private:
  DIR* dir_;
};

// The folder's own spelling of the existing entry `name` with identity
// `target`. A name listed exactly as written is that spelling: checking it
// first keeps a hard link's name from turning into another link's name.
std::string SpellingOf(const FolderAndName& where, const struct stat& target) {
  OpenFolder folder(where.folder);
  if (!folder.ok()) return where.name;
  while (const char* entry = folder.Next()) {
    if (where.name == entry) return where.name;
  }
  // Listed under another spelling: a case-insensitive medium. Find the entry
  // by its identity, preferring one that differs from the name only in case.
  folder.Rewind();
  std::string first_same_entry;
  while (const char* entry = folder.Next()) {
    struct stat info;
    if (fstatat(folder.fd(), entry, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (info.st_dev != target.st_dev || info.st_ino != target.st_ino) continue;
    if (strcasecmp(entry, where.name.c_str()) == 0) return entry;
    if (first_same_entry.empty()) first_same_entry = entry;
  }
  return first_same_entry.empty() ? where.name : first_same_entry;
}

std::optional<std::string> FirstMatch(const FolderAndName& where) {
  OpenFolder folder(where.folder);
  if (!folder.ok()) return std::nullopt;
  while (const char* entry = folder.Next()) {
    if (std::strcmp(entry, ".") == 0 || std::strcmp(entry, "..") == 0) continue;
    // '\\' is an ordinary character in a name here, never an escape.
    if (fnmatch(where.name.c_str(), entry, FNM_PERIOD | FNM_NOESCAPE) == 0) {
      return std::string(entry);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PosixDirectoryLookup::StoredName(
    const std::string& path) {
  const FolderAndName where = Split(path);
  if (where.name.empty()) return std::nullopt;
  struct stat target;
  if (lstat(path.c_str(), &target) == 0) return SpellingOf(where, target);
  if (!IsPattern(where.name)) return std::nullopt;
  return FirstMatch(where);
}

std::string PosixDirectoryLookup::CurrentFolder() {
  std::vector<char> buffer(4096);
  while (getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::string();
    buffer.resize(buffer.size() * 2);
  }
  return std::string(buffer.data());
}

}  // namespace dunra
