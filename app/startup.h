// The program's start-up once the application object exists.
#ifndef DUNRA_APP_STARTUP_H_
#define DUNRA_APP_STARTUP_H_

#include <string>
#include <vector>

#include "app/dunra1.h"

namespace dunra {

inline constexpr char kApplicationTitle[] = "Dunra";

// Builds the main window (which dispatches the argument), shows it and runs
// the event loop until it closes. An exception that escapes is shown as
// its message and "." under the application's title, and the window is
// never shown. Returns the exit status: 0 either way.
int RunDunra(const FormServices& services,
             const std::vector<std::string>& arguments);

}  // namespace dunra

#endif  // DUNRA_APP_STARTUP_H_
