// The ".dun" file type's registration, written at every start: four
// values under the classes root of the registry, and on a freedesktop
// system the same association made known to the desktop.
#ifndef DUNRA_APP_REGISTRATION_H_
#define DUNRA_APP_REGISTRATION_H_

#include <cstdint>
#include <span>
#include <string>

#include "platform/file_system.h"
#include "platform/registry_store.h"
#include "platform/tool_runner.h"
#include "platform/xdg_file_type.h"

namespace dunra {

inline constexpr char kDunExtension[] = ".dun";
inline constexpr char kDunClassName[] = "DUN_auto_file";
inline constexpr char kDunTypeDescription[] = "Dunra圧縮ﾌｧｲﾙ";
inline constexpr char kDunMimeType[] = "application/x-dunra-compressed";

// "program" "%1": the program opens the file it is given as one argument.
std::string OpenCommand(const std::string& program_path);
// The program's folder, then "dun.ico,0": the icon file beside it.
std::string IconLocation(const std::string& program_path);

// The four values, each into its key, created as needed:
//   .dun                              -> DUN_auto_file
//   DUN_auto_file                     -> the type's description
//   DUN_auto_file\shell\open\command  -> OpenCommand
//   DUN_auto_file\DefaultIcon         -> IconLocation
// Throws RegistryError at the first refused write; what was written
// before stays.
void WriteFileTypeRegistration(RegistryStore& registry, const std::string& program_path);

// The desktop's view of the same type.
XdgFileType DunXdgFileType(const std::string& program_path,
                           std::span<const uint8_t> icon_png);

// What start-up runs: the four values, then the desktop files under
// data_home. A failure of either throws RegistryError.
struct RegistrationTargets {
  RegistryStore& registry;
  FileSystem& file_system;
  ToolRunner& tools;
  std::string data_home;  // empty: no desktop files
};
void RegisterFileType(RegistrationTargets& targets, const std::string& program_path,
                      std::span<const uint8_t> icon_png);

}  // namespace dunra

#endif  // DUNRA_APP_REGISTRATION_H_
