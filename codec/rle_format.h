// The ".dun" compressed-file format: constants, header layout and the two
// transforms between a content buffer and a compressed file.
//
//   offset  length  field
//   0       3       ContentSize    N, unsigned 24-bit little-endian
//   3       2       LiteralOffset  8 + control length, unsigned 16-bit LE
//   5       3       ContentExt     first three extension bytes, zero-padded
//   8       ...     control stream (LiteralOffset - 8 bytes)
//   LiteralOffset   literal stream, to the end of the file
//
// Control bytes: 31 copies 31 literals with no run; 32..255 copy (b & 31)
// literals then repeat the last one (b >> 5) - 1 more times; 0..30 copy b
// literals then repeat the last one (next control byte) - 1 more times. The
// last content byte is always the final literal, after the last control
// byte used. See rle_format.md for the full description.
#ifndef DUNRA_CODEC_RLE_FORMAT_H_
#define DUNRA_CODEC_RLE_FORMAT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace dunra {

inline constexpr int32_t kHeaderSize = 8;
inline constexpr int32_t kContentSizeOffset = 0;
inline constexpr int32_t kLiteralOffsetOffset = 3;
inline constexpr int32_t kContentExtOffset = 5;

inline constexpr int32_t kMaxContentSize = 16'777'215;       // 2^24 - 1
inline constexpr int32_t kMaxLiteralOffset = 65'535;         // 2^16 - 1
inline constexpr int32_t kMaxControlLength = kMaxLiteralOffset - kHeaderSize;  // 65,527
// The caller's header buffer: header plus room for 65,528 control bytes.
inline constexpr int32_t kHeaderBufferSize = 65'536;

inline constexpr uint8_t kLiteralsOnly = 31;
inline constexpr int kMaxLiteralCount = 31;
inline constexpr int kMaxRunLength = 255;

using ContentExt = std::array<uint8_t, 3>;

// Every codec failure; the file commands turn any of them into their one
// failure message.
class CodecError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The content cannot be described by the format: N >= 2^24, or it needs
// more than kMaxControlLength control bytes.
class ContentTooLarge : public CodecError {
 public:
  using CodecError::CodecError;
};

// The input is not a well-formed compressed file.
class MalformedFile : public CodecError {
 public:
  using CodecError::CodecError;
};

struct EncodedLengths {
  int32_t control_length = 0;
  int32_t literal_count = 0;
};

// Encodes content[0..n) into the caller's buffers: the control stream goes
// to header_buffer[8..), which must hold kHeaderBufferSize bytes, the
// literal stream to literal_buffer, which must hold n + 1 bytes. Header
// bytes 0..7 are not touched. Throws ContentTooLarge, having written
// nothing past either buffer, when the content exceeds the format, and
// CodecError for a negative n.
EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer, uint8_t* literal_buffer);

// Fills header bytes 0..7 from the content size, the encoder's result and
// the extension bytes.
void WriteHeader(uint8_t* header, int32_t n, EncodedLengths lengths,
                 const ContentExt& ext);

struct DecodedFile {
  std::vector<uint8_t> content;
  ContentExt ext{};
};

// Decodes a whole compressed file. Throws MalformedFile on any input that
// would read or write out of bounds or that breaks the format's structure
// (see rle_format.md); every file EncodeRunLength can produce decodes.
DecodedFile DecodeRunLength(std::span<const uint8_t> file);

// Decodes a file held as two pieces: the header with its control stream
// (exactly LiteralOffset bytes), and the literal stream. Lets a writer
// check its streams before they reach the disk, without joining them.
DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals);

// Convenience: the whole compressed file for a content and its extension.
std::vector<uint8_t> EncodeFile(std::span<const uint8_t> content,
                                const ContentExt& ext);

}  // namespace dunra

#endif  // DUNRA_CODEC_RLE_FORMAT_H_
