// The report texts the window's memo shows after a command; a command
// line prints the same lines. Lines are separated by '\n'.
#ifndef DUNRA_COMMANDS_REPORTS_H_
#define DUNRA_COMMANDS_REPORTS_H_

#include <string>

#include "commands/command_result.h"

namespace dunra {

// "--- Compress ---", the output's folder part, its name part in single
// quotes, "size:T(<-N)" and "ratio:R%", R = T * 100 / N truncated; an
// empty source has no ratio and shows "ratio:-".
std::string CompressReport(const CommandResult& result);

// "--- Extract ---", the output's folder part, its name part in single
// quotes and "size:N(<-T)".
std::string ExtractReport(const CommandResult& result);

}  // namespace dunra

#endif  // DUNRA_COMMANDS_REPORTS_H_
