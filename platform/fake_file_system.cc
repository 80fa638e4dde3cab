#include "platform/fake_file_system.h"

#include <utility>

namespace dunra {
namespace {

int DefaultError(FaultStep step) {
  switch (step) {
    case FaultStep::kOpen:
    case FaultStep::kCreate:
    case FaultStep::kRemove:
      return EACCES;
    case FaultStep::kWrite:
    case FaultStep::kShortWrite:
      return ENOSPC;
    case FaultStep::kRename:
      return EBUSY;
    default:
      return EIO;
  }
}

class FakeWritableFile : public WritableFile {
 public:
  FakeWritableFile(FakeFileSystem& fs, std::unique_ptr<WritableFile> real)
      : fs_(fs), real_(std::move(real)) {}

  const std::string& path() const override { return real_->path(); }

  void Append(std::span<const uint8_t> data) override {
    try {
      fs_.Step(FaultStep::kShortWrite, path());
    } catch (const FileError&) {
      real_->Append(data.first(data.size() / 2));
      throw;
    }
    fs_.Step(FaultStep::kWrite, path());
    real_->Append(data);
  }
  void LimitPermissions(uint32_t allowed) override {
    real_->LimitPermissions(allowed);
  }
  void Sync() override {
    fs_.Step(FaultStep::kSync, path());
    real_->Sync();
  }
  void Close() override {
    fs_.Step(FaultStep::kClose, path());
    real_->Close();
  }

 private:
  FakeFileSystem& fs_;
  std::unique_ptr<WritableFile> real_;
};

}  // namespace

const char* FaultStepName(FaultStep step) {
  static constexpr const char* kNames[] = {
      "open", "read", "create", "write", "short_write",
      "sync", "close", "rename", "remove"};
  return kNames[static_cast<size_t>(step)];
}

FakeFileSystem::FakeFileSystem(FileSystem& real) : real_(real) {}

void FakeFileSystem::FailAt(FaultStep step, int skip, int error_number) {
  faults_[static_cast<size_t>(step)] = {
      true, skip, error_number != 0 ? error_number : DefaultError(step)};
}

int FakeFileSystem::calls(FaultStep step) const {
  return calls_[static_cast<size_t>(step)];
}

void FakeFileSystem::Step(FaultStep step, const std::string& path) {
  ++calls_[static_cast<size_t>(step)];
  Fault& fault = faults_[static_cast<size_t>(step)];
  if (!fault.armed) return;
  if (fault.skip > 0) {
    --fault.skip;
    return;
  }
  fault.armed = false;
  throw FileError(path, fault.error_number);
}

std::vector<uint8_t> FakeFileSystem::ReadFile(const std::string& path,
                                              int64_t max_size) {
  Step(FaultStep::kOpen, path);
  std::vector<uint8_t> content = real_.ReadFile(path, max_size);
  Step(FaultStep::kRead, path);
  return content;
}

std::unique_ptr<WritableFile> FakeFileSystem::NewTempFile(
    const std::string& folder) {
  Step(FaultStep::kCreate, folder);
  return std::make_unique<FakeWritableFile>(*this, real_.NewTempFile(folder));
}

void FakeFileSystem::RenameFile(const std::string& from,
                                const std::string& to) {
  Step(FaultStep::kRename, to);
  real_.RenameFile(from, to);
}

void FakeFileSystem::RenameFileNoReplace(const std::string& from,
                                         const std::string& to) {
  Step(FaultStep::kRename, to);
  real_.RenameFileNoReplace(from, to);
}

void FakeFileSystem::RemoveFile(const std::string& path) {
  Step(FaultStep::kRemove, path);
  real_.RemoveFile(path);
}

void FakeFileSystem::SyncFolder(const std::string& folder) {
  real_.SyncFolder(folder);
}

uint32_t FakeFileSystem::FilePermissions(const std::string& path) {
  return real_.FilePermissions(path);
}

bool FakeFileSystem::Exists(const std::string& path) {
  return real_.Exists(path);
}

}  // namespace dunra
