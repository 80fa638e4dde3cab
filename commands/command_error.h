// The failure of a command core, with a reason a user can read. The
// window shows only its command's one failure box; a command line prints
// the reason after the file's name.
#ifndef DUNRA_COMMANDS_COMMAND_ERROR_H_
#define DUNRA_COMMANDS_COMMAND_ERROR_H_

#include <stdexcept>
#include <string>

namespace dunra {

enum class Failure {
  kCannotRead,        // missing, unreadable, a folder or a special file
  kTooLarge,          // beyond what the format can hold
  kNoExtension,       // a source whose name has no extension to store
  kNotCompressed,     // not a well-formed compressed file
  kUnsafeExtension,   // stored extension bytes that make no safe name
  kVerifyFailed,      // the encoded streams do not give the content back
  kOutputExists,      // an output that was to be kept exists
  kOutputIsSource,    // the output would take the place of its source
  kCannotWrite,       // the output could not be written
};

class CommandError : public std::runtime_error {
 public:
  CommandError(Failure failure, const std::string& reason)
      : std::runtime_error(reason), failure_(failure) {}
  Failure failure() const { return failure_; }

 private:
  Failure failure_;
};

}  // namespace dunra

#endif  // DUNRA_COMMANDS_COMMAND_ERROR_H_
