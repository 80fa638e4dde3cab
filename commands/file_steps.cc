#include "commands/file_steps.h"

#include <cerrno>
#include <filesystem>

namespace dunra {

std::vector<uint8_t> ReadSource(FileSystem& fs, const std::string& path,
                                const SourceLimit& limit) {
  try {
    return fs.ReadFile(path, limit.max_size);
  } catch (const FileError& e) {
    if (e.error_number() == EFBIG) throw CommandError(limit.failure, limit.reason);
    throw CommandError(Failure::kCannotRead, e.what());
  }
}

void RefuseSourceAsOutput(const std::string& source,
                          const std::string& output) {
  if (std::filesystem::path(source).lexically_normal() ==
      std::filesystem::path(output).lexically_normal()) {
    throw CommandError(Failure::kOutputIsSource,
                       "the output '" + output + "' would replace its source");
  }
}

uint32_t SourcePermissions(FileSystem& fs, const std::string& path) {
  try {
    return fs.FilePermissions(path);
  } catch (const FileError&) {
    return 0777;
  }
}

void WriteOutput(FileSystem& fs, const std::string& path,
                 std::initializer_list<std::span<const uint8_t>> pieces,
                 ExistingFile existing, uint32_t allowed_permissions) {
  try {
    WriteFileSafely(fs, path, pieces, existing, allowed_permissions);
  } catch (const FileError& e) {
    if (existing == ExistingFile::kKeep && e.error_number() == EEXIST &&
        e.path() == path) {
      throw CommandError(Failure::kOutputExists, "'" + path + "' already exists");
    }
    throw CommandError(Failure::kCannotWrite,
                       "cannot write '" + path + "': " + e.what());
  }
}

}  // namespace dunra
