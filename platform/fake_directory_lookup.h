// A DirectoryLookup over an in-memory tree, for tests: it can play a
// case-insensitive medium, which the machine running the tests may not have.
#ifndef DUNRA_PLATFORM_FAKE_DIRECTORY_LOOKUP_H_
#define DUNRA_PLATFORM_FAKE_DIRECTORY_LOOKUP_H_

#include <optional>
#include <string>
#include <vector>

#include "platform/directory_lookup.h"

namespace dunra {

class FakeDirectoryLookup : public DirectoryLookup {
 public:
  explicit FakeDirectoryLookup(bool case_insensitive = false)
      : case_insensitive_(case_insensitive) {}

  // Adds an absolute path under its stored spelling, with the folders on its
  // way. A folder lists its entries in the order they were added.
  void Add(const std::string& stored_path);
  void SetCurrentFolder(std::string folder) { current_folder_ = std::move(folder); }

  std::optional<std::string> StoredName(const std::string& path) override;
  std::string CurrentFolder() override { return current_folder_; }

  std::vector<std::string> looked_up;  // every path asked for, in order

 private:
  struct Entry {
    std::string name;
    std::vector<Entry> children;
  };
  Entry* Find(Entry& folder, const std::string& name);

  bool case_insensitive_;
  Entry root_;
  std::string current_folder_ = "/";
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_DIRECTORY_LOOKUP_H_
