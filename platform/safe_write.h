// Writing a file so that a failure never costs the user an older file of
// that name: the content goes to a temporary file in the same folder,
// every write is checked, the file is flushed to disk and only then
// renamed over the name. On any failure the temporary file is removed and
// an older file stays exactly as it was.
#ifndef DUNRA_PLATFORM_SAFE_WRITE_H_
#define DUNRA_PLATFORM_SAFE_WRITE_H_

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace dunra {

enum class ExistingFile {
  kReplace,  // an older file of the name is replaced
  kKeep,     // an older file makes the write fail with EEXIST
};

// Writes the pieces, in order, as the whole content of path. Throws the
// FileError of the step that failed. The name may be the file the content
// was read from: it is replaced only by the complete new file. The new
// file has a new file's permissions less those not in allowed_permissions
// (pass the source's, so that an output is never more open than what it
// was made from).
void WriteFileSafely(FileSystem& fs, const std::string& path,
                     std::initializer_list<std::span<const uint8_t>> pieces,
                     ExistingFile existing = ExistingFile::kReplace,
                     uint32_t allowed_permissions = 0777);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_SAFE_WRITE_H_
