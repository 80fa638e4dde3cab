// The running program's own file.
#ifndef DUNRA_PLATFORM_PROGRAM_PATH_H_
#define DUNRA_PLATFORM_PROGRAM_PATH_H_

#include <string>

namespace dunra {

// The absolute path of the running executable as the system reports it,
// byte for byte; empty when the system cannot tell.
std::string RunningProgramPath();

}  // namespace dunra

#endif  // DUNRA_PLATFORM_PROGRAM_PATH_H_
