#include "commands/reports.h"

#include "platform/file_name.h"

namespace dunra {
namespace {

std::string Place(const std::string& output_path) {
  return ExtractFilePath(output_path) + "\n'" + ExtractFileName(output_path) +
         "'\n";
}

}  // namespace

std::string CompressReport(const CommandResult& result) {
  const std::string ratio =
      result.content_size == 0
          ? "-"
          : std::to_string(result.compressed_size * 100 / result.content_size) +
                "%";
  return "--- Compress ---\n" + Place(result.output_path) + "size:" +
         std::to_string(result.compressed_size) + "(<-" +
         std::to_string(result.content_size) + ")\nratio:" + ratio;
}

std::string ExtractReport(const CommandResult& result) {
  return "--- Extract ---\n" + Place(result.output_path) + "size:" +
         std::to_string(result.content_size) + "(<-" +
         std::to_string(result.compressed_size) + ")";
}

}  // namespace dunra
