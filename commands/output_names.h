// The names the commands give their outputs, and the extension bytes a
// compressed file stores. Paths are raw bytes; folders are never changed,
// so an output always lands beside its source.
#ifndef DUNRA_COMMANDS_OUTPUT_NAMES_H_
#define DUNRA_COMMANDS_OUTPUT_NAMES_H_

#include <string>

#include "codec/rle_format.h"

namespace dunra {

// The first three bytes of the source's extension after its dot, padded
// with zero bytes: index.html -> "htm", main.c -> "c\0\0", name. -> zeros.
// Throws CommandError: kNoExtension for a name part without a dot, and
// kUnsafeExtension for one holding control bytes, which no extract would
// take back.
ContentExt StoredExtension(const std::string& path);

// The compressed file's name: path without its extension, with ".dun".
// Throws CommandError(kNoExtension) for a name part without a dot.
std::string CompressedName(const std::string& path);

// The extracted file's name: path with its last three bytes replaced by
// the stored bytes up to the first zero byte among them. Throws
// CommandError(kUnsafeExtension) when the name part has fewer than three
// bytes, when the stored bytes hold a path delimiter or a control byte,
// or when the result would name a folder ("", ".", "..").
std::string ExtractedName(const std::string& path, const ContentExt& ext);

}  // namespace dunra

#endif  // DUNRA_COMMANDS_OUTPUT_NAMES_H_
