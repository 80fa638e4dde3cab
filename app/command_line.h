// The command line's file argument.
#ifndef DUNRA_APP_COMMAND_LINE_H_
#define DUNRA_APP_COMMAND_LINE_H_

#include <optional>
#include <string>
#include <vector>

namespace dunra {

// The arguments after the program's name, as main() has them once the
// toolkit has taken out its own options. Empty arguments do not count.
std::vector<std::string> ProgramArguments(int argc, const char* const* argv);

// The path to dispatch at start: only when there is exactly one argument.
std::optional<std::string> SingleArgument(const std::vector<std::string>& arguments);

}  // namespace dunra

#endif  // DUNRA_APP_COMMAND_LINE_H_
