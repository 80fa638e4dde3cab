#include "platform/file_name.h"

namespace dunra {
namespace {

// Index just past the last delimiter: where the name part starts.
size_t NameStart(const std::string& path) {
  const size_t last = path.find_last_of(kPathDelimiters);
  return last == std::string::npos ? 0 : last + 1;
}

}  // namespace

std::string ExtractFilePath(const std::string& path) {
  return path.substr(0, NameStart(path));
}

std::string ExtractFileName(const std::string& path) {
  return path.substr(NameStart(path));
}

std::string ExtractFileExt(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < NameStart(path)) return {};
  return path.substr(dot);
}

std::string AnsiUpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace dunra
