// What a successful compress or extract did, for its report.
#ifndef DUNRA_COMMANDS_COMMAND_RESULT_H_
#define DUNRA_COMMANDS_COMMAND_RESULT_H_

#include <cstdint>
#include <string>

namespace dunra {

struct CommandResult {
  std::string output_path;     // the file written
  int64_t compressed_size = 0;  // the compressed file's length
  int64_t content_size = 0;     // the uncompressed content's length
};

}  // namespace dunra

#endif  // DUNRA_COMMANDS_COMMAND_RESULT_H_
