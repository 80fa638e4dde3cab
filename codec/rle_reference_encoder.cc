#include <string>

#include "codec/rle_reference.h"

namespace dunra::reference {
namespace {

// Control appends are bounds-tested one by one rather than bounding N up
// front: whether a content fits depends on its runs, not only on its size,
// and the test costs one compare per control byte, not per content byte.
class ControlWriter {
 public:
  explicit ControlWriter(uint8_t* out) : out_(out) {}
  void Append(uint8_t b) {
    if (length_ == kMaxControlLength) {
      throw ContentTooLarge("content needs more than " +
                            std::to_string(kMaxControlLength) +
                            " control bytes");
    }
    out_[length_++] = b;
  }
  int32_t length() const { return length_; }

 private:
  uint8_t* out_;
  int32_t length_ = 0;
};

}  // namespace

EncodedLengths EncodeRunLength(const uint8_t* content, int32_t n,
                               uint8_t* header_buffer,
                               uint8_t* literal_buffer) {
  if (n < 0) throw CodecError("negative content size");
  if (n > kMaxContentSize) {
    throw ContentTooLarge("content of " + std::to_string(n) +
                          " bytes exceeds the format's size limit");
  }
  ControlWriter control(header_buffer + kHeaderSize);
  int32_t literals = 0;
  uint8_t previous = 0;
  int run = 0;
  int pending = 1;  // literal count the next run byte would carry

  for (int32_t i = 0; i < n; ++i) {
    const uint8_t x = content[i];
    if (run != 0 &&
        (x != previous || run == kMaxRunLength || i == n - 1 || pending == 0)) {
      if (run == 1) {
        literal_buffer[literals++] = previous;
        if (++pending == 31) {
          control.Append(kLiteralsOnly);
          pending = 0;
        }
      } else if (run == 2) {
        literal_buffer[literals++] = previous;
        literal_buffer[literals++] = previous;
        pending += 2;
        if (pending > 30) {
          control.Append(kLiteralsOnly);
          pending -= 31;
        }
      } else if (run <= 7) {
        control.Append(static_cast<uint8_t>(pending + 32 * run));
        literal_buffer[literals++] = previous;
        pending = 1;
      } else {
        control.Append(static_cast<uint8_t>(pending));
        control.Append(static_cast<uint8_t>(run));
        literal_buffer[literals++] = previous;
        pending = 1;
      }
      run = 0;
    }
    previous = x;
    ++run;
  }
  control.Append(kLiteralsOnly);
  literal_buffer[literals++] = previous;
  return {control.length(), literals};
}

}  // namespace dunra::reference
