// Encode, then decode: the first three input bytes are the extension, the
// rest is the content. The file must keep every structural rule of encoder
// output, come out the same through the raw interface with exact-size
// buffers and through EncodeFile, and decode to the same content and
// extension.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "codec/rle_format.h"
#include "codec/rle_invariants.h"
#include "codec/rle_test_util.h"
#include "fuzz/fuzz_check.h"

// Every content up to this size fits the control stream, whatever its runs.
constexpr size_t kAlwaysFits = 196'581;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  dunra::ContentExt ext{};
  const size_t ext_size = std::min<size_t>(size, ext.size());
  std::copy(data, data + ext_size, ext.begin());
  const dunra::testing::Bytes content(data + ext_size, data + size);

  dunra::testing::Bytes file;
  try {
    file = dunra::testing::EncodeIntoExactBuffers(content, ext);
  } catch (const dunra::ContentTooLarge&) {
    FUZZ_CHECK(content.size() > kAlwaysFits);
    return 0;
  }
  const std::string broken = dunra::FindEncoderInvariantBreak(content, file);
  if (!broken.empty()) std::fprintf(stderr, "%s\n", broken.c_str());
  FUZZ_CHECK(broken.empty());
  FUZZ_CHECK(dunra::EncodeFile(content, ext) == file);

  const dunra::DecodedFile decoded = dunra::DecodeRunLength(file);
  FUZZ_CHECK(decoded.content == content);
  FUZZ_CHECK(decoded.ext == ext);
  return 0;
}
