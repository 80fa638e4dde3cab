// Splitting a path into folder part, name part and extension, as the
// commands name their outputs and the window dispatches dropped files.
// Paths are the bytes the system gives; no encoding is assumed.
#ifndef DUNRA_PLATFORM_FILE_NAME_H_
#define DUNRA_PLATFORM_FILE_NAME_H_

#include <string>
#include <string_view>

namespace dunra {

// The characters that end a folder part. On POSIX only '/': '\' and ':'
// are ordinary name characters there. A Windows build in a double-byte
// code page must also skip the trail bytes of double-byte characters,
// which may equal '\'.
#ifdef _WIN32
inline constexpr std::string_view kPathDelimiters = "\\:/";
#else
inline constexpr std::string_view kPathDelimiters = "/";
#endif

// From the start through the last delimiter, the delimiter included;
// empty when there is none. "dir/sub/a.txt" -> "dir/sub/".
std::string ExtractFilePath(const std::string& path);

// What follows the last delimiter. "dir/sub/a.txt" -> "a.txt".
std::string ExtractFileName(const std::string& path);

// The tail from the last '.' of the name part, the dot included; empty
// when the name part has no dot. "a.tar.gz" -> ".gz", "dir.x/README" -> "".
std::string ExtractFileExt(const std::string& path);

// Upper-cases the ASCII letters a-z and leaves every other byte as it is.
// Extensions are compared after it; keeping non-ASCII bytes (UTF-8
// sequences, other encodings) untouched means no name is ever broken by
// a locale's idea of case, and ".dun" in any ASCII case still matches.
std::string AnsiUpperCase(std::string text);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_FILE_NAME_H_
