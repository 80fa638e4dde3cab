// Hands a path to Extract or Compress by its extension: the one rule shared
// by the command-line argument and dropped files.
#ifndef DUNRA_APP_FILE_DISPATCH_H_
#define DUNRA_APP_FILE_DISPATCH_H_

#include <string>

namespace dunra {

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  virtual void Compress(const std::string& path) = 0;
  virtual void Extract(const std::string& path) = 0;
};

// ".DUN" in any letter case extracts; anything else, no extension included,
// compresses. Only the name counts: the command reports a missing file or a
// folder itself.
void DispatchByExtension(const std::string& path, CommandTarget& target);

}  // namespace dunra

#endif  // DUNRA_APP_FILE_DISPATCH_H_
