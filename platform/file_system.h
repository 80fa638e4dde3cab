// The file-system operations the file commands rely on, behind an
// interface so that tests can fail any step on demand and another
// platform can supply its own. Every operation throws FileError on
// failure; none returns a status to be forgotten.
#ifndef DUNRA_PLATFORM_FILE_SYSTEM_H_
#define DUNRA_PLATFORM_FILE_SYSTEM_H_

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace dunra {

// A failed file-system step. what() is a short reason a user can read
// ("No such file or directory", "not a regular file"); the path is kept
// apart so that callers can say which file it was.
class FileError : public std::runtime_error {
 public:
  FileError(std::string path, int error_number, const std::string& reason);
  // Builds the reason from error_number (strerror).
  FileError(std::string path, int error_number);

  const std::string& path() const { return path_; }
  // The errno value, or 0 when the failure has none.
  int error_number() const { return error_number_; }

 private:
  std::string path_;
  int error_number_;
};

// A file being written. Append either writes all of its bytes or throws;
// Close reports what a deferred write error the system may hold back.
// Destroying a file that was not closed closes it without checking.
class WritableFile {
 public:
  virtual ~WritableFile() = default;
  virtual const std::string& path() const = 0;
  virtual void Append(std::span<const uint8_t> data) = 0;
  // Clears the permission bits (0777) that allowed does not hold.
  virtual void LimitPermissions(uint32_t allowed) = 0;
  // Flushes the content to the storage device.
  virtual void Sync() = 0;
  virtual void Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads a whole regular file. Folders, FIFOs and devices are refused
  // without blocking; a file longer than max_size is refused from its
  // length, before any of it is read (error_number EFBIG).
  virtual std::vector<uint8_t> ReadFile(const std::string& path,
                                        int64_t max_size) = 0;

  // Creates a new, empty file with a unique name in folder (a folder part
  // ending in its delimiter, or empty for the current folder).
  virtual std::unique_ptr<WritableFile> NewTempFile(
      const std::string& folder) = 0;

  // Renames from to to, replacing a file named to.
  virtual void RenameFile(const std::string& from, const std::string& to) = 0;
  // Renames from to to, failing with EEXIST when to exists.
  virtual void RenameFileNoReplace(const std::string& from,
                                   const std::string& to) = 0;
  virtual void RemoveFile(const std::string& path) = 0;

  // Flushes a folder's entries (a rename in it) to the storage device.
  virtual void SyncFolder(const std::string& folder) = 0;

  // The permission bits (0777) of an existing file.
  virtual uint32_t FilePermissions(const std::string& path) = 0;

  // True when something of that name exists, a dangling link included.
  virtual bool Exists(const std::string& path) = 0;
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FILE_SYSTEM_H_
