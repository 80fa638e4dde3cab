#include "platform/safe_write.h"

#include <memory>

#include "platform/file_name.h"

namespace dunra {

void WriteFileSafely(FileSystem& fs, const std::string& path,
                     std::initializer_list<std::span<const uint8_t>> pieces,
                     ExistingFile existing, uint32_t allowed_permissions) {
  const std::string folder = ExtractFilePath(path);
  std::unique_ptr<WritableFile> file = fs.NewTempFile(folder);
  const std::string temp_path = file->path();
  try {
    // Before any content: a private source's content is never readable
    // by others, not even for a moment.
    if (allowed_permissions != 0777) file->LimitPermissions(allowed_permissions);
    for (std::span<const uint8_t> piece : pieces) file->Append(piece);
    file->Sync();
    file->Close();
    if (existing == ExistingFile::kReplace) {
      fs.RenameFile(temp_path, path);
    } else {
      fs.RenameFileNoReplace(temp_path, path);
    }
  } catch (...) {
    file.reset();
    try {
      fs.RemoveFile(temp_path);
    } catch (const FileError&) {
      // The first failure is the one to report.
    }
    throw;
  }
  // The new file is complete and in place; making its name durable is
  // worth trying, but a folder that cannot be flushed loses nothing.
  try {
    fs.SyncFolder(folder);
  } catch (const FileError&) {
  }
}

}  // namespace dunra
