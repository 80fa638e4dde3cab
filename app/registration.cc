#include "app/registration.h"

#include "platform/file_name.h"

namespace dunra {
namespace {

// Closes the key opened last, however the sequence ends.
class OpenKeyCloser {
 public:
  explicit OpenKeyCloser(RegistryStore& registry) : registry_(registry) {}
  ~OpenKeyCloser() { registry_.CloseKey(); }

 private:
  RegistryStore& registry_;
};

}  // namespace

std::string OpenCommand(const std::string& program_path) {
  return "\"" + program_path + "\" \"%1\"";
}

std::string IconLocation(const std::string& program_path) {
  return ExtractFilePath(program_path) + "dun.ico,0";
}

void WriteFileTypeRegistration(RegistryStore& registry, const std::string& program_path) {
  OpenKeyCloser closer(registry);
  registry.SetRootKey(RegistryRoot::kClassesRoot);
  // OpenKey's result is not needed: after a failed open no key is current,
  // so the write that follows is refused and reports the failure.
  registry.OpenKey(std::string("\\") + kDunExtension, true);
  registry.WriteString("", kDunClassName);
  registry.OpenKey(std::string("\\") + kDunClassName, true);
  registry.WriteString("", kDunTypeDescription);
  registry.OpenKey(std::string("\\") + kDunClassName + "\\shell\\open\\command", true);
  registry.WriteString("", OpenCommand(program_path));
  registry.OpenKey(std::string("\\") + kDunClassName + "\\DefaultIcon", true);
  registry.WriteString("", IconLocation(program_path));
}

XdgFileType DunXdgFileType(const std::string& program_path,
                           std::span<const uint8_t> icon_png) {
  return XdgFileType{
      .mime_type = kDunMimeType,
      .glob = std::string("*") + kDunExtension,
      .comment = kDunTypeDescription,
      .application_id = "dunra",
      .application_name = "Dunra",
      .program_path = program_path,
      .icon_png = {icon_png.begin(), icon_png.end()},
  };
}

void RegisterFileType(RegistrationTargets& targets, const std::string& program_path,
                      std::span<const uint8_t> icon_png) {
  WriteFileTypeRegistration(targets.registry, program_path);
  if (targets.data_home.empty()) return;
  try {
    RegisterXdgFileType(targets.file_system, targets.tools, targets.data_home,
                        DunXdgFileType(program_path, icon_png));
  } catch (const FileError&) {
    // Shown as a refused registry write would be.
    throw RegistryError("");
  }
}

}  // namespace dunra
