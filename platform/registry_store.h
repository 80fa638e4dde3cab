// The system's registry of file types, as far as the file-type
// registration needs it: a root key, keys opened (and created) by path,
// and string values written into the key opened last.
#ifndef DUNRA_PLATFORM_REGISTRY_STORE_H_
#define DUNRA_PLATFORM_REGISTRY_STORE_H_

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dunra {

// A refused write. The message is the one start-up shows.
class RegistryError : public std::runtime_error {
 public:
  // The message names the value that could not be set.
  explicit RegistryError(const std::string& value_name);
};

enum class RegistryRoot {
  kCurrentUser,  // where a store starts
  kClassesRoot,  // file types
};

// The hive's name as key paths in an export spell it.
std::string_view RegistryRootName(RegistryRoot root);

class RegistryStore {
 public:
  virtual ~RegistryStore() = default;

  // Selects the hive that key paths beginning with '\' are taken from.
  // Closes the current key.
  virtual void SetRootKey(RegistryRoot root) = 0;

  // Opens the key at path: "\a\b" from the root, "a\b" from the current
  // key (from the root when none is open). With can_create, the key and
  // the missing keys on its path are created. On success the key becomes
  // the current one; on failure no key is current any more, so that a
  // following write fails instead of landing in the key opened before.
  virtual bool OpenKey(const std::string& path, bool can_create) = 0;

  // Sets the current key's value name ("" is the default value) to data,
  // as a string. Throws RegistryError when the write is refused, or when
  // no key is current.
  virtual void WriteString(const std::string& name, const std::string& data) = 0;

  // Closes the current key; a store with none open is left as it is.
  virtual void CloseKey() = 0;
};

// The full path ("HKEY_CLASSES_ROOT\a\b") that OpenKey(path) names, given
// the root and the current key's full path; nullopt when path holds an
// empty component ("a\\b", a trailing '\', or nothing at all).
std::optional<std::string> ResolveKeyPath(
    RegistryRoot root, const std::optional<std::string>& current_key,
    std::string_view path);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_REGISTRY_STORE_H_
