// How a folder stores the names of its entries: the name lookup behind
// ExpandLongPath.
#ifndef DUNRA_PLATFORM_DIRECTORY_LOOKUP_H_
#define DUNRA_PLATFORM_DIRECTORY_LOOKUP_H_

#include <optional>
#include <string>

namespace dunra {

class DirectoryLookup {
 public:
  virtual ~DirectoryLookup() = default;

  // The name under which the entry that `path` names is stored in its
  // folder. Where the path exists as written this is that very entry's own
  // spelling (which differs from the written one only on case-insensitive
  // media). Where it does not and its last component is a wildcard pattern,
  // it is the first entry of the folder, in folder order, that matches.
  // Otherwise, and for an empty last component (the root, a trailing '/'),
  // there is no entry.
  virtual std::optional<std::string> StoredName(const std::string& path) = 0;

  // The absolute path of the current folder, or empty when it is unknown
  // (removed, or out of reach).
  virtual std::string CurrentFolder() = 0;
};

// The lookup over the real file system.
class PosixDirectoryLookup : public DirectoryLookup {
 public:
  std::optional<std::string> StoredName(const std::string& path) override;
  std::string CurrentFolder() override;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_DIRECTORY_LOOKUP_H_
