// A file type made known to a freedesktop desktop: a shared-MIME-info
// package that maps a glob to the type, a desktop entry that opens the
// type with a program, and the type's icon in the icon theme, all under
// the user's data folder. Files are written only when their content would
// change, and a database is refreshed only when its sources changed or it
// is older than them, so that an unchanged start costs a few reads.
#ifndef DUNRA_PLATFORM_XDG_FILE_TYPE_H_
#define DUNRA_PLATFORM_XDG_FILE_TYPE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/tool_runner.h"

namespace dunra {

struct XdgFileType {
  std::string mime_type;        // "application/x-dunra-compressed"
  std::string glob;             // "*.dun", matched in any letter case
  std::string comment;          // the type's description
  std::string application_id;   // the desktop entry's name: "dunra"
  std::string application_name; // "Dunra"
  std::string program_path;     // absolute path of the program to open with
  std::vector<uint8_t> icon_png;  // 32 x 32
};

// The texts written for a type; exposed for tests.
std::string MimePackageText(const XdgFileType& type);
std::string DesktopEntryText(const XdgFileType& type);
// "application/x-foo" -> "application-x-foo", the type's icon name.
std::string MimeIconName(const std::string& mime_type);
// The Exec value that runs program with one file: quoted as a desktop
// entry's Exec key needs it, before the key's own escaping.
std::string DesktopExecLine(const std::string& program_path);

// Paths below data_home ($XDG_DATA_HOME).
std::string MimePackagePath(const std::string& data_home, const XdgFileType& type);
std::string DesktopEntryPath(const std::string& data_home, const XdgFileType& type);
std::string IconPath(const std::string& data_home, const XdgFileType& type);

// Writes what differs and refreshes what needs it. Throws FileError when a
// file cannot be written or a refresher that is installed fails; a
// refresher that is not installed is skipped.
void RegisterXdgFileType(FileSystem& fs, ToolRunner& tools,
                         const std::string& data_home, const XdgFileType& type);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_XDG_FILE_TYPE_H_
