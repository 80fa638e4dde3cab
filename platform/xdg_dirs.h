// Where per-user data lives on a freedesktop system.
#ifndef DUNRA_PLATFORM_XDG_DIRS_H_
#define DUNRA_PLATFORM_XDG_DIRS_H_

#include <string>

namespace dunra {

// $XDG_DATA_HOME when it is an absolute path, else ~/.local/share (the
// home folder from $HOME, else from the user database). No trailing '/'.
// Empty when no home folder can be found.
std::string XdgDataHome();

// Creates folder and its missing parents, new ones with mode 0700 as the
// freedesktop base directories ask. Throws FileError.
void MakeFolders(const std::string& folder);

}  // namespace dunra

#endif  // DUNRA_PLATFORM_XDG_DIRS_H_
