#include "app/command_line.h"

namespace dunra {

std::vector<std::string> ProgramArguments(int argc, const char* const* argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    if (argv[i] != nullptr && argv[i][0] != '\0') arguments.emplace_back(argv[i]);
  }
  return arguments;
}

std::optional<std::string> SingleArgument(const std::vector<std::string>& arguments) {
  if (arguments.size() != 1) return std::nullopt;
  return arguments.front();
}

}  // namespace dunra
