#include "platform/posix_file_system.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <random>
#include <utility>

namespace dunra {
namespace {

// Takes errno before anything (a string copy) can change it.
[[noreturn]] void ThrowSystemError(const std::string& path) {
  const int error_number = errno;
  throw FileError(path, error_number);
}

// A file or stream longer than the caller takes.
[[noreturn]] void ThrowTooLarge(const std::string& name, int64_t max_size) {
  throw FileError(name, EFBIG, "larger than " + std::to_string(max_size) + " bytes");
}

// Closes a descriptor on every path out of a scope.
class ScopedFd {
 public:
  explicit ScopedFd(int fd) : fd_(fd) {}
  ScopedFd(const ScopedFd&) = delete;
  ScopedFd& operator=(const ScopedFd&) = delete;
  ~ScopedFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

// Reads until count bytes are in or the file ends; returns how many.
size_t ReadFully(int fd, const std::string& name, uint8_t* data,
                 size_t count) {
  size_t done = 0;
  while (done < count) {
    const ssize_t got = ::read(fd, data + done, count - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(name);
    }
    if (got == 0) break;
    done += static_cast<size_t>(got);
  }
  return done;
}

void WriteFully(int fd, const std::string& name,
                std::span<const uint8_t> data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t put = ::write(fd, data.data() + done, data.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      ThrowSystemError(name);
    }
    // A write that takes nothing without an error would loop forever.
    if (put == 0) throw FileError(name, ENOSPC);
    done += static_cast<size_t>(put);
  }
}

class PosixWritableFile : public WritableFile {
 public:
  PosixWritableFile(int fd, std::string path, bool owns_fd)
      : fd_(fd), path_(std::move(path)), owns_fd_(owns_fd) {}
  ~PosixWritableFile() override {
    if (owns_fd_ && fd_ >= 0) ::close(fd_);
  }

  const std::string& path() const override { return path_; }

  void Append(std::span<const uint8_t> data) override {
    if (fd_ < 0) throw FileError(path_, EBADF);
    WriteFully(fd_, path_, data);
  }

  void LimitPermissions(uint32_t allowed) override {
    if (fd_ < 0) throw FileError(path_, EBADF);
    struct stat st;
    if (::fstat(fd_, &st) != 0 ||
        ::fchmod(fd_, st.st_mode & 0777 & allowed) != 0) {
      ThrowSystemError(path_);
    }
  }

  void Sync() override {
    if (fd_ < 0) throw FileError(path_, EBADF);
    if (::fsync(fd_) != 0) ThrowSystemError(path_);
  }

  void Close() override {
    if (!owns_fd_ || fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    // The descriptor is gone even when close fails; EINTR is no failure
    // of the data on Linux.
    if (::close(fd) != 0 && errno != EINTR) ThrowSystemError(path_);
  }

 private:
  int fd_;
  std::string path_;
  bool owns_fd_;
};

std::string TempSuffix() {
  static std::mt19937_64 random{std::random_device{}() ^
                                static_cast<uint64_t>(::getpid())};
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (int i = 0; i < 10; ++i) suffix += kDigits[random() % 36];
  return suffix;
}

}  // namespace

std::vector<uint8_t> PosixFileSystem::ReadFile(const std::string& path,
                                               int64_t max_size) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer, nor a device
  // for its line; regular files ignore the flag.
  ScopedFd fd(::open(path.c_str(),
                     O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) ThrowSystemError(path);
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) ThrowSystemError(path);
  if (S_ISDIR(st.st_mode)) throw FileError(path, EISDIR);
  if (!S_ISREG(st.st_mode)) {
    throw FileError(path, EINVAL, "not a regular file");
  }
  if (st.st_size > max_size) ThrowTooLarge(path, max_size);
  std::vector<uint8_t> content(static_cast<size_t>(st.st_size));
  const size_t got = ReadFully(fd.get(), path, content.data(), content.size());
  // A file that shrank or grew while being read (or a system file whose
  // length says nothing of its content) gives no whole content.
  uint8_t extra;
  if (got != content.size() || ReadFully(fd.get(), path, &extra, 1) != 0) {
    throw FileError(path, EIO, "file changed while being read");
  }
  return content;
}

std::unique_ptr<WritableFile> PosixFileSystem::NewTempFile(
    const std::string& folder) {
  for (int attempt = 0;; ++attempt) {
    std::string path = folder + ".dunra-" + TempSuffix() + ".tmp";
    // 0666 under the umask: the file becomes the output as it is.
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                          0666);
    if (fd >= 0) {
      return std::make_unique<PosixWritableFile>(fd, std::move(path), true);
    }
    if (errno != EEXIST || attempt == 100) ThrowSystemError(path);
  }
}

void PosixFileSystem::RenameFile(const std::string& from,
                                 const std::string& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) ThrowSystemError(to);
}

void PosixFileSystem::RenameFileNoReplace(const std::string& from,
                                          const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(),
                  RENAME_NOREPLACE) == 0) {
    return;
  }
  if (errno != EINVAL && errno != ENOSYS) ThrowSystemError(to);
  // The file system lacks the flag: a hard link fails just as surely on
  // an existing name.
  if (::link(from.c_str(), to.c_str()) != 0) ThrowSystemError(to);
  ::unlink(from.c_str());
}

void PosixFileSystem::RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) ThrowSystemError(path);
}

void PosixFileSystem::SyncFolder(const std::string& folder) {
  const std::string name = folder.empty() ? "." : folder;
  ScopedFd fd(::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() < 0) ThrowSystemError(name);
  if (::fsync(fd.get()) != 0) ThrowSystemError(name);
}

uint32_t PosixFileSystem::FilePermissions(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) ThrowSystemError(path);
  return st.st_mode & 0777;
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

std::vector<uint8_t> ReadDescriptor(int fd, const std::string& name,
                                    int64_t max_size) {
  std::vector<uint8_t> content;
  size_t size = 0;
  for (;;) {
    if (content.size() == size) {
      // Room for one byte past the limit, to tell "at the limit" from
      // "beyond it".
      const size_t limit = static_cast<size_t>(max_size) + 1;
      if (size >= limit) ThrowTooLarge(name, max_size);
      content.resize(std::min(limit, std::max<size_t>(size * 2, 65536)));
    }
    const size_t got =
        ReadFully(fd, name, content.data() + size, content.size() - size);
    size += got;
    if (size < content.size()) break;  // the end came before the limit
  }
  content.resize(size);
  return content;
}

std::unique_ptr<WritableFile> NewDescriptorFile(int fd, std::string name) {
  return std::make_unique<PosixWritableFile>(fd, std::move(name), false);
}

}  // namespace dunra
