// The Compress and Extract commands of the window: the cores of
// compress.h and extract.h, then the report in the memo and the banner's
// sequence on success, and one failure box on any failure. Nothing
// reaches the caller.
#ifndef DUNRA_COMMANDS_FILE_COMMANDS_H_
#define DUNRA_COMMANDS_FILE_COMMANDS_H_

#include <string>

#include "platform/animation_state.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/report_memo.h"

namespace dunra {

inline constexpr char kCompressFailedText[] = "Compressできなかった";
inline constexpr char kExtractFailedText[] = "Extractできなかった";
inline constexpr char kFileErrorCaption[] = "File Error";

class FileCommands {
 public:
  FileCommands(FileSystem& fs, ReportMemo& memo, MessageBoxService& box,
               AnimationState& animation);

  // Compresses path to its ".dun" name beside it; on success the memo
  // shows the compress report, then compressFrame = 1 and idleDelay = 7.
  void Compress(const std::string& path);
  // Extracts path to its stored name beside it; on success the memo
  // shows the extract report, then extractFrame = 1 and idleDelay = 3.
  void Extract(const std::string& path);

 private:
  FileSystem& fs_;
  ReportMemo& memo_;
  MessageBoxService& box_;
  AnimationState& animation_;
};

}  // namespace dunra

#endif  // DUNRA_COMMANDS_FILE_COMMANDS_H_
