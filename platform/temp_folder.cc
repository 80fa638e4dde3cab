#include "platform/temp_folder.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace dunra {

TempFolder::TempFolder() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "dunra-test-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void TempFolder::Write(const std::string& name,
                       const std::vector<uint8_t>& content) const {
  std::ofstream out(path_ + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(content.data()),
            static_cast<std::streamsize>(content.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path_ + name);
}

void TempFolder::Write(const std::string& name,
                       const std::string& content) const {
  Write(name, std::vector<uint8_t>(content.begin(), content.end()));
}

std::vector<uint8_t> TempFolder::Read(const std::string& name) const {
  std::ifstream in(path_ + name, std::ios::binary | std::ios::ate);
  if (!in) throw std::runtime_error("cannot read " + path_ + name);
  std::vector<uint8_t> content(static_cast<size_t>(in.tellg()));
  in.seekg(0);
  in.read(reinterpret_cast<char*>(content.data()),
          static_cast<std::streamsize>(content.size()));
  if (!in) throw std::runtime_error("cannot read " + path_ + name);
  return content;
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace dunra
