#include "platform/fake_directory_lookup.h"

#include <fnmatch.h>
#include <strings.h>

namespace dunra {
namespace {

std::vector<std::string> Components(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 1;  // past the leading '/'
  while (true) {
    const size_t slash = path.find('/', start);
    parts.push_back(path.substr(start, slash - start));
    if (slash == std::string::npos) return parts;
    start = slash + 1;
  }
}

}  // namespace

FakeDirectoryLookup::Entry* FakeDirectoryLookup::Find(Entry& folder,
                                                      const std::string& name) {
  for (Entry& child : folder.children) {
    if (child.name == name) return &child;
  }
  if (!case_insensitive_) return nullptr;
  for (Entry& child : folder.children) {
    if (strcasecmp(child.name.c_str(), name.c_str()) == 0) return &child;
  }
  return nullptr;
}

void FakeDirectoryLookup::Add(const std::string& stored_path) {
  Entry* folder = &root_;
  for (const std::string& part : Components(stored_path)) {
    Entry* child = nullptr;
    for (Entry& existing : folder->children) {
      if (existing.name == part) child = &existing;
    }
    if (child == nullptr) {
      folder->children.push_back(Entry{part, {}});
      child = &folder->children.back();
    }
    folder = child;
  }
}

std::optional<std::string> FakeDirectoryLookup::StoredName(
    const std::string& path) {
  looked_up.push_back(path);
  if (path.empty() || path[0] != '/') return std::nullopt;
  const std::vector<std::string> parts = Components(path);
  Entry* folder = &root_;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    folder = Find(*folder, parts[i]);
    if (folder == nullptr) return std::nullopt;
  }
  const std::string& name = parts.back();
  if (name.empty()) return std::nullopt;
  if (const Entry* entry = Find(*folder, name)) return entry->name;
  if (name.find_first_of("*?[") == std::string::npos) return std::nullopt;
  const int flags =
      FNM_PERIOD | FNM_NOESCAPE | (case_insensitive_ ? FNM_CASEFOLD : 0);
  for (const Entry& child : folder->children) {
    if (fnmatch(name.c_str(), child.name.c_str(), flags) == 0) {
      return child.name;
    }
  }
  return std::nullopt;
}

}  // namespace dunra
