#include "platform/file_registry_store.h"

#include <cerrno>
#include <span>

#include "platform/file_name.h"
#include "platform/safe_write.h"
#include "platform/xdg_dirs.h"

namespace dunra {
namespace {

// Far above any registration file; keeps a stray huge file from being
// read whole.
constexpr int64_t kMaxRegistryFileSize = 16 << 20;

}  // namespace

std::string DefaultRegistryFilePath() {
  const std::string data_home = XdgDataHome();
  if (data_home.empty()) return "";
  return data_home + "/dunra/registry.reg";
}

FileRegistryStore::FileRegistryStore(FileSystem& fs, std::string file_path)
    : fs_(fs), file_path_(std::move(file_path)) {}

void FileRegistryStore::SetRootKey(RegistryRoot root) {
  root_ = root;
  current_key_.reset();
}

bool FileRegistryStore::OpenKey(const std::string& path, bool can_create) {
  const std::optional<std::string> full = ResolveKeyPath(root_, current_key_, path);
  current_key_.reset();
  if (!full) {
    last_failure_ = "bad key path: " + path;
    return false;
  }
  std::optional<RegFile> file = Load();
  if (!file) return false;
  if (!file->HasKey(*full)) {
    if (!can_create) {
      last_failure_ = "no such key: " + *full;
      return false;
    }
    file->CreateKey(*full);
    if (!Save(*file)) return false;
  }
  current_key_ = *full;
  return true;
}

void FileRegistryStore::WriteString(const std::string& name, const std::string& data) {
  if (!current_key_) {
    last_failure_ = "no key is open";
    throw RegistryError(name);
  }
  std::optional<RegFile> file = Load();
  if (!file) throw RegistryError(name);
  if (!file->HasKey(*current_key_)) {
    last_failure_ = "key was removed: " + *current_key_;
    throw RegistryError(name);
  }
  file->SetString(*current_key_, name, data);
  if (!Save(*file)) throw RegistryError(name);
}

void FileRegistryStore::CloseKey() { current_key_.reset(); }

std::optional<RegFile> FileRegistryStore::Load() {
  if (file_path_.empty()) {
    last_failure_ = "no place for the registry file";
    return std::nullopt;
  }
  std::vector<uint8_t> bytes;
  try {
    bytes = fs_.ReadFile(file_path_, kMaxRegistryFileSize);
  } catch (const FileError& error) {
    if (error.error_number() == ENOENT) return RegFile();
    last_failure_ = file_path_ + ": " + error.what();
    return std::nullopt;
  }
  try {
    return RegFile::Parse(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const RegFileParseError& error) {
    last_failure_ = file_path_ + ": " + error.what();
    return std::nullopt;
  }
}

bool FileRegistryStore::Save(const RegFile& file) {
  const std::string text = file.Format();
  try {
    MakeFolders(ExtractFilePath(file_path_));
    WriteFileSafely(fs_, file_path_,
                    {std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())});
  } catch (const FileError& error) {
    last_failure_ = error.path() + ": " + error.what();
    return false;
  }
  return true;
}

}  // namespace dunra
