#include "platform/program_path.h"

#include <unistd.h>

#include <vector>

namespace dunra {

std::string RunningProgramPath() {
  std::vector<char> buffer(4096);
  while (true) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return "";
    if (static_cast<size_t>(length) < buffer.size()) {
      return std::string(buffer.data(), static_cast<size_t>(length));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace dunra
