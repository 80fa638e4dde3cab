// A fresh folder under the system's temporary folder for one test,
// removed with everything in it when the test ends.
#ifndef DUNRA_PLATFORM_TEMP_FOLDER_H_
#define DUNRA_PLATFORM_TEMP_FOLDER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace dunra {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in '/'.
  const std::string& path() const { return path_; }
  // path() + name.
  std::string operator/(const std::string& name) const { return path_ + name; }

  // The names in the folder, sorted, "." and ".." left out.
  std::vector<std::string> Names() const;

  void Write(const std::string& name, const std::vector<uint8_t>& content) const;
  void Write(const std::string& name, const std::string& content) const;
  std::vector<uint8_t> Read(const std::string& name) const;

 private:
  std::string path_;
};


// Whole files by full path, for tests that also work outside a TempFolder.
// Throws when the file cannot be written.
void WriteWholeFile(const std::string& path, const std::string& content);
// The file's content; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_TEMP_FOLDER_H_
