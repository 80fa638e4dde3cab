// FileSystem over the POSIX calls.
#ifndef DUNRA_PLATFORM_POSIX_FILE_SYSTEM_H_
#define DUNRA_PLATFORM_POSIX_FILE_SYSTEM_H_

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace dunra {

class PosixFileSystem : public FileSystem {
 public:
  std::vector<uint8_t> ReadFile(const std::string& path,
                                int64_t max_size) override;
  std::unique_ptr<WritableFile> NewTempFile(const std::string& folder) override;
  void RenameFile(const std::string& from, const std::string& to) override;
  void RenameFileNoReplace(const std::string& from,
                           const std::string& to) override;
  void RemoveFile(const std::string& path) override;
  void SyncFolder(const std::string& folder) override;
  uint32_t FilePermissions(const std::string& path) override;
  bool Exists(const std::string& path) override;
};

// Reads an open descriptor (standard input, a pipe) to its end; more
// than max_size bytes is an EFBIG FileError. name is used in errors.
std::vector<uint8_t> ReadDescriptor(int fd, const std::string& name,
                                    int64_t max_size);

// A WritableFile over a descriptor the caller keeps open (standard
// output): Close neither closes it nor is needed.
std::unique_ptr<WritableFile> NewDescriptorFile(int fd, std::string name);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_POSIX_FILE_SYSTEM_H_
