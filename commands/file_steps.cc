#include "commands/file_steps.h"

#include <cerrno>

namespace dunra {

std::vector<uint8_t> ReadSource(FileSystem& fs, const std::string& path,
                                int64_t max_size, Failure too_large,
                                const std::string& too_large_reason) {
  try {
    return fs.ReadFile(path, max_size);
  } catch (const FileError& e) {
    if (e.error_number() == EFBIG) throw CommandError(too_large, too_large_reason);
    throw CommandError(Failure::kCannotRead, e.what());
  }
}

void WriteOutput(FileSystem& fs, const std::string& path,
                 std::initializer_list<std::span<const uint8_t>> pieces,
                 ExistingFile existing) {
  try {
    WriteFileSafely(fs, path, pieces, existing);
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
