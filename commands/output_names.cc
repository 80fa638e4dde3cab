#include "commands/output_names.h"

#include <algorithm>

#include "commands/command_error.h"
#include "platform/file_name.h"

namespace dunra {
namespace {

bool IsControlByte(uint8_t b) { return (b >= 0x01 && b <= 0x1F) || b == 0x7F; }

std::string ExtensionOf(const std::string& path) {
  std::string ext = ExtractFileExt(path);
  if (ext.empty()) {
    throw CommandError(Failure::kNoExtension, "no extension to store");
  }
  return ext;
}

}  // namespace

ContentExt StoredExtension(const std::string& path) {
  const std::string ext = ExtensionOf(path);
  ContentExt stored{};
  for (size_t i = 0; i < stored.size() && i + 1 < ext.size(); ++i) {
    stored[i] = static_cast<uint8_t>(ext[i + 1]);
    if (IsControlByte(stored[i])) {
      throw CommandError(Failure::kUnsafeExtension,
                         "the extension holds a control byte");
    }
  }
  return stored;
}

std::string CompressedName(const std::string& path) {
  const std::string ext = ExtensionOf(path);
  return path.substr(0, path.size() - ext.size()) + ".dun";
}

std::string ExtractedName(const std::string& path, const ContentExt& ext) {
  const std::string name = ExtractFileName(path);
  if (name.size() < ext.size()) {
    throw CommandError(Failure::kUnsafeExtension,
                       "name too short to take the stored extension");
  }
  std::string stored;
  for (uint8_t b : ext) {
    if (b == 0) break;
    if (IsControlByte(b) || kPathDelimiters.find(static_cast<char>(b)) !=
                                std::string_view::npos) {
      throw CommandError(Failure::kUnsafeExtension, "unsafe stored extension");
    }
    stored += static_cast<char>(b);
  }
  const std::string new_name = name.substr(0, name.size() - ext.size()) + stored;
  if (new_name.empty() || new_name == "." || new_name == "..") {
    throw CommandError(Failure::kUnsafeExtension,
                       "the stored extension leaves no file name");
  }
  return path.substr(0, path.size() - name.size()) + new_name;
}

}  // namespace dunra
