// The compress core: a source file becomes a compressed file beside it
// (or where the caller says). No memo, box or banner: callers add those.
#ifndef DUNRA_COMMANDS_COMPRESS_H_
#define DUNRA_COMMANDS_COMPRESS_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "codec/rle_format.h"
#include "commands/command_result.h"
#include "commands/file_steps.h"
#include "platform/file_system.h"
#include "platform/safe_write.h"

namespace dunra {

// The longest content the format holds, from a file or a stream.
inline constexpr SourceLimit kContentLimit = {
    kMaxContentSize, Failure::kTooLarge, "too large for the format"};

// A compressed file in the two pieces it is written in.
struct CompressedFile {
  std::vector<uint8_t> header_and_control;  // LiteralOffset bytes
  std::vector<uint8_t> literals;
  int64_t size() const {
    return static_cast<int64_t>(header_and_control.size() + literals.size());
  }
};

// Encodes content, then decodes the pieces in memory and compares them
// with content and ext, so that no codec defect reaches the disk. Holds
// the encoded pieces and, while checking, one decoded copy: about
// 2 x N + 64 KiB besides content. Throws CommandError: kTooLarge beyond
// the format's limits, kVerifyFailed when the check fails.
CompressedFile EncodeChecked(std::span<const uint8_t> content,
                             const ContentExt& ext);

// Throws CommandError(kVerifyFailed) unless file decodes to content, ext.
void CheckDecodesTo(const CompressedFile& file,
                    std::span<const uint8_t> content, const ContentExt& ext);

struct CompressOptions {
  std::string output_path;  // empty: CompressedName(source path)
  ExistingFile existing = ExistingFile::kReplace;
  // Set: stored instead of StoredExtension(source path), e.g. zero bytes
  // for a source without an extension written under a chosen name.
  std::optional<ContentExt> stored_extension;
  // Refuse an output that names the source itself (kOutputIsSource).
  bool keep_source = false;
};

// Reads path, encodes it with the extension of its name (StoredExtension)
// and writes the output safely: complete or not at all, an older file of
// that name kept on any failure, and never more open than the source. The output may be path itself. Throws
// CommandError with the reason; nothing is written before the source has
// been read, encoded and checked.
CommandResult CompressFile(FileSystem& fs, const std::string& path,
                           const CompressOptions& options = {});

}  // namespace dunra

#endif  // DUNRA_COMMANDS_COMPRESS_H_
