// Reading a command's source and writing its output, with file-system
// failures turned into the command's reasons.
#ifndef DUNRA_COMMANDS_FILE_STEPS_H_
#define DUNRA_COMMANDS_FILE_STEPS_H_

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "commands/command_error.h"
#include "platform/file_system.h"
#include "platform/safe_write.h"

namespace dunra {

// How long a command's source may be, and how a longer one is refused.
struct SourceLimit {
  int64_t max_size;
  Failure failure;
  const char* reason;
};

// Reads path whole. A file longer than limit.max_size is refused from its
// length with the limit's failure and reason; other failures are
// kCannotRead with the system's reason.
std::vector<uint8_t> ReadSource(FileSystem& fs, const std::string& path,
                                const SourceLimit& limit);

// The permission bits of a source just read, for its output; all of
// them when they cannot be learnt.
uint32_t SourcePermissions(FileSystem& fs, const std::string& path);

// Throws CommandError(kOutputIsSource) when output names source as
// written ("a.dun", "./a.dun"); links to it are not looked through.
void RefuseSourceAsOutput(const std::string& source, const std::string& output);

// Writes the pieces as path through WriteFileSafely. Throws kOutputExists
// when existing is kKeep and path exists, kCannotWrite for the rest.
void WriteOutput(FileSystem& fs, const std::string& path,
                 std::initializer_list<std::span<const uint8_t>> pieces,
                 ExistingFile existing, uint32_t allowed_permissions = 0777);

}  // namespace dunra

#endif  // DUNRA_COMMANDS_FILE_STEPS_H_
