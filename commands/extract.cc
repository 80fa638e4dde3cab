#include "commands/extract.h"

#include "commands/command_error.h"
#include "commands/file_steps.h"
#include "commands/output_names.h"

namespace dunra {

DecodedFile DecodeChecked(std::span<const uint8_t> file) {
  try {
    return DecodeRunLength(file);
  } catch (const CodecError& e) {
    throw CommandError(Failure::kNotCompressed,
                       std::string("not a compressed file (") + e.what() + ")");
  }
}

DecodedFile ReadCompressedFile(FileSystem& fs, const std::string& path,
                               int64_t* compressed_size) {
  const std::vector<uint8_t> file = ReadSource(fs, path, kCompressedFileLimit);
  if (compressed_size != nullptr) {
    *compressed_size = static_cast<int64_t>(file.size());
  }
  return DecodeChecked(file);
}

CommandResult ExtractFile(FileSystem& fs, const std::string& path,
                          const ExtractOptions& options) {
  CommandResult result;
  const DecodedFile decoded =
      ReadCompressedFile(fs, path, &result.compressed_size);
  result.output_path = options.output_path.empty()
                           ? ExtractedName(path, decoded.ext)
                           : options.output_path;
  if (options.keep_source) RefuseSourceAsOutput(path, result.output_path);
  WriteOutput(fs, result.output_path, {decoded.content}, options.existing,
              SourcePermissions(fs, path));
  result.content_size = static_cast<int64_t>(decoded.content.size());
  return result;
}

}  // namespace dunra
