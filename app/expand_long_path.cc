#include "app/expand_long_path.h"

namespace dunra {

std::string ExpandLongPath(std::string path, DirectoryLookup& lookup) {
  if (!path.empty() && path[0] != '/') {
    std::string folder = lookup.CurrentFolder();
    // Expanded as it stands, a relative path would come out under the root.
    if (folder.empty()) return path;
    if (folder.back() != '/') folder += '/';
    path = folder + path;
  }
  std::string prefix = std::move(path);
  std::string result;
  // Each pass takes one component off the prefix, so the loop ends at the
  // latest when the prefix is empty, whose lookup fails.
  while (std::optional<std::string> name = lookup.StoredName(prefix)) {
    result = "/" + *name + result;
    const size_t slash = prefix.rfind('/');
    prefix.resize(slash == std::string::npos ? 0 : slash);
  }
  return prefix + result;
}

}  // namespace dunra
