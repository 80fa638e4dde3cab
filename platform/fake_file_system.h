// A FileSystem for tests: passes every call to a real one (normally a
// PosixFileSystem over a temporary folder) and fails a chosen step on
// demand, as a full disk, a failing device or a busy name would.
#ifndef DUNRA_PLATFORM_FAKE_FILE_SYSTEM_H_
#define DUNRA_PLATFORM_FAKE_FILE_SYSTEM_H_

#include <array>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace dunra {

enum class FaultStep {
  kOpen,        // ReadFile fails before reading (no access)
  kRead,        // ReadFile fails while reading (device error)
  kCreate,      // NewTempFile fails (folder not writable)
  kWrite,       // Append fails having written nothing (disk full)
  kShortWrite,  // Append writes half of its bytes, then fails (disk full)
  kSync,        // Sync fails (device error)
  kClose,       // Close fails (deferred write error)
  kRename,      // RenameFile / RenameFileNoReplace fail
  kRemove,      // RemoveFile fails
  kCount
};

const char* FaultStepName(FaultStep step);

class FakeFileSystem : public FileSystem {
 public:
  explicit FakeFileSystem(FileSystem& real);

  // Lets skip calls of step succeed, then fails the next one with
  // error_number. One fault per step; a later call replaces it.
  void FailAt(FaultStep step, int skip = 0, int error_number = 0);
  // How many times step was attempted, failed or not.
  int calls(FaultStep step) const;

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

  // Counts a call of step and throws when it is the one to fail.
  void Step(FaultStep step, const std::string& path);

 private:
  struct Fault {
    bool armed = false;
    int skip = 0;
    int error_number = 0;
  };

  FileSystem& real_;
  std::array<Fault, static_cast<size_t>(FaultStep::kCount)> faults_{};
  std::array<int, static_cast<size_t>(FaultStep::kCount)> calls_{};
};

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FAKE_FILE_SYSTEM_H_
