// Rewrites a command-line path to the names its folders store.
#ifndef DUNRA_APP_EXPAND_LONG_PATH_H_
#define DUNRA_APP_EXPAND_LONG_PATH_H_

#include <string>

#include "platform/directory_lookup.h"

namespace dunra {

// Replaces each component of `path`, last to first, by the name the lookup
// finds for it, and stops at the first component it cannot look up: that
// part and everything before it stay as written. A relative path is made
// absolute against the current folder first, so that it keeps naming the
// same file.
std::string ExpandLongPath(std::string path, DirectoryLookup& lookup);

}  // namespace dunra

#endif  // DUNRA_APP_EXPAND_LONG_PATH_H_
