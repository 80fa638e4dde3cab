#include "commands/file_commands.h"

#include "commands/compress.h"
#include "commands/extract.h"
#include "commands/reports.h"

namespace dunra {
namespace {

// The one outlet of every failure: the box, whose answer is not used.
// A box that fails to show cannot be reported anywhere else.
void ShowFailure(MessageBoxService& box, const char* text) {
  try {
    box.MessageBox(text, kFileErrorCaption, MB_OKCANCEL);
  } catch (...) {
  }
}

}  // namespace

FileCommands::FileCommands(FileSystem& fs, ReportMemo& memo,
                           MessageBoxService& box, AnimationState& animation)
    : fs_(fs), memo_(memo), box_(box), animation_(animation) {}

void FileCommands::Compress(const std::string& path) {
  try {
    const std::string report = CompressReport(CompressFile(fs_, path));
    memo_.SetTextStr(report);
    animation_.compressFrame = 1;
    animation_.idleDelay = 7;
  } catch (...) {
    ShowFailure(box_, kCompressFailedText);
  }
}

void FileCommands::Extract(const std::string& path) {
  try {
    const std::string report = ExtractReport(ExtractFile(fs_, path));
    memo_.SetTextStr(report);
    animation_.extractFrame = 1;
    animation_.idleDelay = 3;
  } catch (...) {
    ShowFailure(box_, kExtractFailedText);
  }
}

}  // namespace dunra
