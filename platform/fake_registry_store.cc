#include "platform/fake_registry_store.h"

namespace dunra {

void FakeRegistryStore::SetRootKey(RegistryRoot root) {
  calls.push_back("root " + std::string(RegistryRootName(root)));
  root_ = root;
  current_key.reset();
}

bool FakeRegistryStore::OpenKey(const std::string& path, bool can_create) {
  calls.push_back("open " + path);
  const std::optional<std::string> full = ResolveKeyPath(root_, current_key, path);
  current_key.reset();
  if (!full || failing_keys.count(*full) != 0) return false;
  if (keys.count(*full) == 0) {
    if (!can_create) return false;
    // Creating a key creates the keys on its path below the hive.
    for (size_t end = full->find('\\', full->find('\\') + 1);
         end != std::string::npos; end = full->find('\\', end + 1)) {
      keys[full->substr(0, end)];
    }
    keys[*full];
  }
  current_key = *full;
  return true;
}

void FakeRegistryStore::WriteString(const std::string& name, const std::string& data) {
  if (!current_key || (writes_before_refusal && writes_ >= *writes_before_refusal)) {
    calls.push_back("refused");
    throw RegistryError(name);
  }
  ++writes_;
  calls.push_back("write " + *current_key + " " + name + "=" + data);
  keys[*current_key][name] = data;
}

void FakeRegistryStore::CloseKey() {
  calls.push_back("close");
  current_key.reset();
}

}  // namespace dunra
