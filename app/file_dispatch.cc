#include "app/file_dispatch.h"

#include "platform/file_name.h"

namespace dunra {

void DispatchByExtension(const std::string& path, CommandTarget& target) {
  if (AnsiUpperCase(ExtractFileExt(path)) == ".DUN") {
    target.Extract(path);
  } else {
    target.Compress(path);
  }
}

}  // namespace dunra
