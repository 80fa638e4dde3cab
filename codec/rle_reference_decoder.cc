#include <algorithm>
#include <cstring>

#include "codec/rle_header.h"
#include "codec/rle_reference.h"

namespace dunra::reference {

// Every read and store is checked. Beyond the bounds, structure that no
// encoder output has is rejected as well: a control stream that runs out
// before the content is complete, a run length of 0, a run before any
// literal (its byte would come from the header), and a run that reaches
// the final literal's place. Bytes never reached (an unread closing byte,
// bytes after the final literal) are allowed: the encoder writes them.
DecodedFile DecodeStreams(std::span<const uint8_t> header_and_control,
                          std::span<const uint8_t> literals) {
  const Header header = ParseHeader(header_and_control);
  const std::span<const uint8_t> control = header_and_control.subspan(kHeaderSize);
  const int32_t n = header.content_size;
  const int32_t body = n - 1;  // bytes the loop produces

  DecodedFile result;
  result.ext = header.ext;
  result.content.resize(static_cast<size_t>(n) + 1);
  uint8_t* out = result.content.data();

  size_t cc = 0;  // control cursor
  size_t lc = 0;  // literal cursor
  int32_t count = 0;
  while (count < body) {
    if (cc >= control.size()) throw MalformedFile("control stream ends early");
    const uint8_t b = control[cc++];
    const int32_t literal_count = std::min<int32_t>(b & 31, body - count);
    if (static_cast<size_t>(literal_count) > literals.size() - lc) {
      throw MalformedFile("literal stream ends early");
    }
    if (literal_count > 0) {  // an empty span's data() may be null
      std::memcpy(out + count, literals.data() + lc, literal_count);
      lc += literal_count;
      count += literal_count;
    }
    if (b == kLiteralsOnly) continue;

    int32_t run;
    if (b >= 32) {
      run = b >> 5;
    } else {
      if (cc >= control.size()) throw MalformedFile("run-length byte missing");
      run = control[cc++];
    }
    if (run == 0) throw MalformedFile("run length of zero");
    if (lc == 0) throw MalformedFile("run before any literal");
    if (run - 1 > body - count) throw MalformedFile("run passes the content's end");
    std::memset(out + count, literals[lc - 1], run - 1);
    count += run - 1;
  }
  if (lc >= literals.size()) throw MalformedFile("final literal missing");
  out[count] = literals[lc];
  result.content.resize(n);
  return result;
}

}  // namespace dunra::reference
