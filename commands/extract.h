// The extract core: a compressed file becomes its content again, under
// the name it had (or where the caller says). No memo, box or banner.
#ifndef DUNRA_COMMANDS_EXTRACT_H_
#define DUNRA_COMMANDS_EXTRACT_H_

#include <cstdint>
#include <span>
#include <string>

#include "codec/rle_format.h"
#include "commands/command_result.h"
#include "commands/file_steps.h"
#include "platform/file_system.h"
#include "platform/safe_write.h"

namespace dunra {

// No compressed file is longer: the longest header and control stream
// followed by a literal for every content byte.
inline constexpr int64_t kMaxCompressedSize =
    int64_t{kMaxLiteralOffset} + kMaxContentSize;

// A longer file or stream is refused from its length.
inline constexpr SourceLimit kCompressedFileLimit = {
    kMaxCompressedSize, Failure::kNotCompressed,
    "not a compressed file (longer than any can be)"};

// Decodes a whole compressed file. Throws CommandError(kNotCompressed).
DecodedFile DecodeChecked(std::span<const uint8_t> file);

// Reads and decodes path whole; a longer file than any compressed file
// is refused from its length. Throws CommandError with the reason.
DecodedFile ReadCompressedFile(FileSystem& fs, const std::string& path,
                               int64_t* compressed_size = nullptr);

struct ExtractOptions {
  std::string output_path;  // empty: ExtractedName(path, stored extension)
  ExistingFile existing = ExistingFile::kReplace;
  // Refuse an output that names the source itself (kOutputIsSource).
  bool keep_source = false;
};

// Reads and decodes path, then writes the content safely: complete or
// not at all, an older file of that name kept on any failure, and never
// more open than the compressed file. The output
// may be path itself. Throws CommandError with the reason; nothing is
// written unless the file decoded and its output name is safe.
CommandResult ExtractFile(FileSystem& fs, const std::string& path,
                          const ExtractOptions& options = {});

}  // namespace dunra

#endif  // DUNRA_COMMANDS_EXTRACT_H_
