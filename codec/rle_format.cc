#include "codec/rle_format.h"

#include <algorithm>

#include "codec/rle_header.h"
#include "codec/rle_fast.h"

namespace dunra {

EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer,
                               uint8_t* literal_buffer) {
  return fast::EncodeRunLength(content, n, header_buffer, literal_buffer);
}

DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals) {
  return fast::DecodeStreams(header_and_control, literals);
}

void WriteHeader(uint8_t* header, int32_t n, EncodedLengths lengths,
                 const ContentExt& ext) {
  const int32_t literal_offset = kHeaderSize + lengths.control_length;
  header[0] = static_cast<uint8_t>(n);
  header[1] = static_cast<uint8_t>(n >> 8);
  header[2] = static_cast<uint8_t>(n >> 16);
  header[3] = static_cast<uint8_t>(literal_offset);
  header[4] = static_cast<uint8_t>(literal_offset >> 8);
  header[5] = ext[0];
  header[6] = ext[1];
  header[7] = ext[2];
}

DecodedFile DecodeRunLength(std::span<const uint8_t> file) {
  const FileParts parts = SplitFile(file);
  return DecodeStreams(parts.header_and_control, parts.literals);
}

std::vector<uint8_t> EncodeFile(std::span<const uint8_t> content,
                                const ContentExt& ext) {
  if (content.size() > static_cast<size_t>(kMaxContentSize)) {
    throw ContentTooLarge("content exceeds the format's size limit");
  }
  const auto n = static_cast<int32_t>(content.size());
  std::vector<uint8_t> file(kHeaderBufferSize + static_cast<size_t>(n) + 1);
  uint8_t* literals = file.data() + kHeaderBufferSize;
  const EncodedLengths lengths =
      EncodeRunLength(content.data(), n, file.data(), literals);
  WriteHeader(file.data(), n, lengths, ext);
  // Close the gap between the control stream and the literal stream.
  const size_t literal_offset = kHeaderSize + lengths.control_length;
  std::copy(literals, literals + lengths.literal_count,
            file.begin() + literal_offset);
  file.resize(literal_offset + lengths.literal_count);
  return file;
}

}  // namespace dunra
