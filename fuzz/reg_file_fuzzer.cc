// The registry-export reader on arbitrary text: it either refuses it with
// RegFileParseError or reads it; what it writes back must read again to
// the same text, with a string value of ours added anywhere.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/reg_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  dunra::RegFile file;
  try {
    file = dunra::RegFile::Parse(text);
  } catch (const dunra::RegFileParseError&) {
    return 0;
  }
  // The value's data: the input's first bytes, control characters included.
  file.SetString("HKEY_CLASSES_ROOT\\.dun", "", text.substr(0, 24));
  const std::string written = file.Format();
  const dunra::RegFile again = dunra::RegFile::Parse(written);
  FUZZ_CHECK(again.Format() == written);
  FUZZ_CHECK(again.KeyPaths() == file.KeyPaths());
  return 0;
}
