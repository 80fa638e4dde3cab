#include "commands/compress.h"

#include <algorithm>

#include "commands/command_error.h"
#include "commands/file_steps.h"
#include "commands/output_names.h"

namespace dunra {

CompressedFile EncodeChecked(std::span<const uint8_t> content,
                             const ContentExt& ext) {
  const std::string too_large = kContentLimit.reason;
  if (content.size() > static_cast<size_t>(kMaxContentSize)) {
    throw CommandError(Failure::kTooLarge, too_large);
  }
  const auto n = static_cast<int32_t>(content.size());
  CompressedFile file;
  file.header_and_control.resize(kHeaderBufferSize);
  file.literals.resize(static_cast<size_t>(n) + 1);
  EncodedLengths lengths;
  try {
    lengths = EncodeRunLength(content.data(), n, file.header_and_control.data(),
                              file.literals.data());
  } catch (const ContentTooLarge& e) {
    throw CommandError(Failure::kTooLarge, too_large + " (" + e.what() + ")");
  }
  WriteHeader(file.header_and_control.data(), n, lengths, ext);
  // Shrinking keeps the allocations: no copy is made.
  file.header_and_control.resize(kHeaderSize + lengths.control_length);
  file.literals.resize(lengths.literal_count);
  CheckDecodesTo(file, content, ext);
  return file;
}

void CheckDecodesTo(const CompressedFile& file,
                    std::span<const uint8_t> content, const ContentExt& ext) {
  bool same = false;
  try {
    const DecodedFile decoded = DecodeStreams(file.header_and_control, file.literals);
    same = decoded.ext == ext &&
           std::equal(decoded.content.begin(), decoded.content.end(),
                      content.begin(), content.end());
  } catch (const CodecError&) {
  }
  if (!same) {
    throw CommandError(Failure::kVerifyFailed,
                       "the compressed form does not give the content back");
  }
}

CommandResult CompressFile(FileSystem& fs, const std::string& path,
                           const CompressOptions& options) {
  const std::vector<uint8_t> content = ReadSource(fs, path, kContentLimit);
  const ContentExt ext = options.stored_extension ? *options.stored_extension
                                                  : StoredExtension(path);
  const std::string output =
      options.output_path.empty() ? CompressedName(path) : options.output_path;
  if (options.keep_source) RefuseSourceAsOutput(path, output);
  const CompressedFile file = EncodeChecked(content, ext);
  WriteOutput(fs, output, {file.header_and_control, file.literals},
              options.existing, SourcePermissions(fs, path));
  return {output, file.size(), static_cast<int64_t>(content.size())};
}

}  // namespace dunra
