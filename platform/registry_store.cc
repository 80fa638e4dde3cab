#include "platform/registry_store.h"

namespace dunra {

RegistryError::RegistryError(const std::string& value_name)
    : std::runtime_error("'" + value_name + "' の設定に失敗しました") {}

std::string_view RegistryRootName(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::kCurrentUser:
      return "HKEY_CURRENT_USER";
    case RegistryRoot::kClassesRoot:
      return "HKEY_CLASSES_ROOT";
  }
  return "";
}

std::optional<std::string> ResolveKeyPath(
    RegistryRoot root, const std::optional<std::string>& current_key,
    std::string_view path) {
  std::string full;
  if (!path.empty() && path.front() == '\\') {
    path.remove_prefix(1);
    full = RegistryRootName(root);
  } else {
    full = current_key ? *current_key : std::string(RegistryRootName(root));
  }
  if (path.empty()) return std::nullopt;
  size_t start = 0;
  while (true) {
    const size_t end = path.find('\\', start);
    const std::string_view part = path.substr(start, end - start);
    if (part.empty()) return std::nullopt;
    full += '\\';
    full += part;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return full;
}

}  // namespace dunra
