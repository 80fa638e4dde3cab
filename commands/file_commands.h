// The Compress and Extract commands: read a file whole, transform it,
// write the result beside it, report in the memo and start the banner.
// Every failure ends in one message box; nothing reaches the caller.
#ifndef DUNRA_COMMANDS_FILE_COMMANDS_H_
#define DUNRA_COMMANDS_FILE_COMMANDS_H_

#include <string>

#include "platform/animation_state.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/report_memo.h"

namespace dunra {

class FileCommands {
 public:
  FileCommands(FileSystem& fs, ReportMemo& memo, MessageBoxService& box,
               AnimationState& animation);

  void Compress(const std::string& path);
  void Extract(const std::string& path);

 private:
  FileSystem& fs_;
  ReportMemo& memo_;
  MessageBoxService& box_;
  AnimationState& animation_;
};

}  // namespace dunra

#endif  // DUNRA_COMMANDS_FILE_COMMANDS_H_
