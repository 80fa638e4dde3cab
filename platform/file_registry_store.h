// A RegistryStore kept in one file of registry export text, for systems
// without a registry. Every key creation and value write reads the file
// afresh and replaces it whole through a temporary file and a rename, so
// that a crash never leaves half a file and keys and values written by
// others stay as they are. A file that cannot be read or parsed is never
// overwritten: opening a key then fails, and so does the write after it.
#ifndef DUNRA_PLATFORM_FILE_REGISTRY_STORE_H_
#define DUNRA_PLATFORM_FILE_REGISTRY_STORE_H_

#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/reg_file.h"
#include "platform/registry_store.h"

namespace dunra {

// $XDG_DATA_HOME/dunra/registry.reg, or under ~/.local/share; empty when
// there is no home folder.
std::string DefaultRegistryFilePath();

class FileRegistryStore : public RegistryStore {
 public:
  FileRegistryStore(FileSystem& fs, std::string file_path);

  void SetRootKey(RegistryRoot root) override;
  bool OpenKey(const std::string& path, bool can_create) override;
  void WriteString(const std::string& name, const std::string& data) override;
  void CloseKey() override;

  const std::string& file_path() const { return file_path_; }
  // Why the last failed operation failed, for diagnostics.
  const std::string& last_failure() const { return last_failure_; }

 private:
  // A missing file is an empty registry.
  std::optional<RegFile> Load();
  bool Save(const RegFile& file);

  FileSystem& fs_;
  const std::string file_path_;
  RegistryRoot root_ = RegistryRoot::kCurrentUser;
  std::optional<std::string> current_key_;
  std::string last_failure_;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FILE_REGISTRY_STORE_H_
