#include "platform/xdg_file_type.h"

#include <sys/stat.h>

#include <cerrno>
#include <span>

#include "platform/file_name.h"
#include "platform/safe_write.h"
#include "platform/xdg_dirs.h"

namespace dunra {
namespace {

constexpr int64_t kMaxCompareSize = 1 << 20;

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A desktop entry's string value: backslash and line breaks escaped.
std::string DesktopValue(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out;
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

// Writes content to path unless the file already holds exactly that.
// Returns whether it wrote.
bool WriteIfChanged(FileSystem& fs, const std::string& path,
                    std::span<const uint8_t> content) {
  try {
    const std::vector<uint8_t> old = fs.ReadFile(path, kMaxCompareSize);
    if (std::equal(old.begin(), old.end(), content.begin(), content.end())) return false;
  } catch (const FileError&) {
    // Missing or unreadable: write it.
  }
  MakeFolders(ExtractFilePath(path));
  WriteFileSafely(fs, path, {content});
  return true;
}

// True when derived is missing or older than source.
bool IsStale(const std::string& derived, const std::string& source) {
  struct stat d, s;
  if (::stat(derived.c_str(), &d) != 0) return true;
  if (::stat(source.c_str(), &s) != 0) return false;
  if (d.st_mtim.tv_sec != s.st_mtim.tv_sec) return d.st_mtim.tv_sec < s.st_mtim.tv_sec;
  return d.st_mtim.tv_nsec < s.st_mtim.tv_nsec;
}

void Refresh(ToolRunner& tools, const std::string& tool, const std::string& folder) {
  if (tools.Run({tool, folder}) == ToolResult::kFailed) {
    throw FileError(folder, 0, tool + " failed");
  }
}

}  // namespace

std::string MimeIconName(const std::string& mime_type) {
  std::string name = mime_type;
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  return name;
}

std::string DesktopExecLine(const std::string& program_path) {
  // Inside double quotes, ", `, $ and \ need a backslash; a literal % is
  // written %% wherever it stands.
  std::string line = "\"";
  for (char c : program_path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') line += '\\';
    line += c;
    if (c == '%') line += '%';
  }
  line += "\" %f";
  return line;
}

std::string MimePackageText(const XdgFileType& type) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" + XmlEscaped(type.mime_type) + "\">\n"
         "    <comment>" + XmlEscaped(type.comment) + "</comment>\n"
         "    <icon name=\"" + XmlEscaped(MimeIconName(type.mime_type)) + "\"/>\n"
         "    <glob pattern=\"" + XmlEscaped(type.glob) + "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string DesktopEntryText(const XdgFileType& type) {
  // Kept out of menus: the entry exists to open the type.
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" + DesktopValue(type.application_name) + "\n"
         "Exec=" + DesktopValue(DesktopExecLine(type.program_path)) + "\n"
         "Icon=" + DesktopValue(MimeIconName(type.mime_type)) + "\n"
         "MimeType=" + DesktopValue(type.mime_type) + ";\n"
         "Terminal=false\n"
         "NoDisplay=true\n";
}

std::string MimePackagePath(const std::string& data_home, const XdgFileType& type) {
  return data_home + "/mime/packages/" + type.application_id + ".xml";
}

std::string DesktopEntryPath(const std::string& data_home, const XdgFileType& type) {
  return data_home + "/applications/" + type.application_id + ".desktop";
}

std::string IconPath(const std::string& data_home, const XdgFileType& type) {
  return data_home + "/icons/hicolor/32x32/mimetypes/" + MimeIconName(type.mime_type) +
         ".png";
}

void RegisterXdgFileType(FileSystem& fs, ToolRunner& tools,
                         const std::string& data_home, const XdgFileType& type) {
  const std::string package = MimePackagePath(data_home, type);
  const std::string entry = DesktopEntryPath(data_home, type);
  WriteIfChanged(fs, IconPath(data_home, type), type.icon_png);
  // A refresher that failed last time left its database older than the
  // source, so the next start tries again.
  if (WriteIfChanged(fs, package, Bytes(MimePackageText(type))) ||
      IsStale(data_home + "/mime/mime.cache", package)) {
    Refresh(tools, "update-mime-database", data_home + "/mime");
  }
  if (WriteIfChanged(fs, entry, Bytes(DesktopEntryText(type))) ||
      IsStale(data_home + "/applications/mimeinfo.cache", entry)) {
    Refresh(tools, "update-desktop-database", data_home + "/applications");
  }
}

}  // namespace dunra
