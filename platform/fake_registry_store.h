// A RegistryStore in memory for tests: records every call, and refuses
// the key opens and value writes a test names.
#ifndef DUNRA_PLATFORM_FAKE_REGISTRY_STORE_H_
#define DUNRA_PLATFORM_FAKE_REGISTRY_STORE_H_

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/registry_store.h"

namespace dunra {

class FakeRegistryStore : public RegistryStore {
 public:
  void SetRootKey(RegistryRoot root) override;
  bool OpenKey(const std::string& path, bool can_create) override;
  void WriteString(const std::string& name, const std::string& data) override;
  void CloseKey() override;

  // Full key paths ("HKEY_CLASSES_ROOT\.dun") whose opening fails.
  std::set<std::string> failing_keys;
  // Writes that succeed before every further one is refused; none when
  // empty.
  std::optional<int> writes_before_refusal;

  // Full key path -> value name -> data.
  std::map<std::string, std::map<std::string, std::string>> keys;
  // "root", "open <path>", "write <key> <name>=<data>", "close", "refused".
  std::vector<std::string> calls;
  std::optional<std::string> current_key;

 private:
  RegistryRoot root_ = RegistryRoot::kCurrentUser;
  int writes_ = 0;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_REGISTRY_STORE_H_
