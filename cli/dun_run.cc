#include "cli/dun_run.h"

#include <cerrno>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <vector>

#include "cli/dun_options.h"
#include "codec/rle_format.h"
#include "commands/command_error.h"
#include "commands/command_result.h"
#include "commands/compress.h"
#include "commands/extract.h"
#include "commands/file_steps.h"
#include "commands/output_names.h"
#include "commands/reports.h"
#include "platform/file_name.h"
#include "platform/posix_file_system.h"
#include "platform/safe_write.h"

#ifndef DUNRA_VERSION
#define DUNRA_VERSION "unknown"
#endif

namespace dunra::cli {
namespace {

constexpr char kStdinName[] = "(stdin)";
constexpr char kStdoutName[] = "(stdout)";

// Runs the chosen command on one file at a time. Every failure is a
// CommandError carrying the reason printed after the file's name.
class DunRunner {
 public:
  DunRunner(const Options& options, DunEnvironment& env)
      : options_(options), env_(env) {}

  // True when the file succeeded; otherwise its failure has been printed.
  bool Run(const std::string& file) {
    try {
      switch (options_.mode) {
        case Mode::kCompress:
          Compress(file);
          break;
        case Mode::kDecompress:
          Extract(file);
          break;
        case Mode::kTest:
          Test(file);
          break;
      }
      return true;
    } catch (const CommandError& e) {
      std::string reason = e.what();
      if (e.failure() == Failure::kOutputExists) {
        reason += "; not replaced (use -f to replace it)";
      } else if (e.failure() == Failure::kOutputIsSource) {
        reason += "; name another with -o";
      }
      PrintFailure(file, reason);
    } catch (const std::bad_alloc&) {
      PrintFailure(file, "not enough memory");
    } catch (const std::exception& e) {
      PrintFailure(file, e.what());
    }
    return false;
  }

 private:
  bool IsStdin(const std::string& file) const { return file == "-"; }

  bool ToStdout() const {
    return options_.to_stdout || (options_.output && *options_.output == "-");
  }

  ExistingFile Existing() const {
    return options_.force ? ExistingFile::kReplace : ExistingFile::kKeep;
  }

  // File to file: the commands' own cores, sources always kept.
  void Compress(const std::string& file) {
    if (IsStdin(file) || ToStdout()) return CompressStream(file);
    CompressOptions compress;
    compress.existing = Existing();
    compress.keep_source = true;
    if (options_.output) {
      compress.output_path = *options_.output;
      // A name of the caller's choosing needs no extension to restore.
      if (ExtractFileExt(file).empty()) compress.stored_extension = ContentExt{};
    }
    try {
      Report(CompressReport(CompressFile(env_.fs, file, compress)));
    } catch (const CommandError& e) {
      if (e.failure() != Failure::kNoExtension) throw;
      throw CommandError(e.failure(), std::string(e.what()) +
                                          "; name the output with -o or use -c");
    }
  }

  void Extract(const std::string& file) {
    if (IsStdin(file) || ToStdout()) return ExtractStream(file);
    ExtractOptions extract;
    extract.existing = Existing();
    extract.keep_source = true;
    if (options_.output) extract.output_path = *options_.output;
    Report(ExtractReport(ExtractFile(env_.fs, file, extract)));
  }

  // Standard input in, or standard output out: the commands' encoding,
  // decoding and safe write, with the streams read and written here.
  void CompressStream(const std::string& file) {
    std::vector<uint8_t> content;
    ContentExt ext{};
    if (IsStdin(file)) {
      content = ReadStdin(kContentLimit);
    } else {
      content = ReadSource(env_.fs, file, kContentLimit);
      if (!ExtractFileExt(file).empty()) ext = StoredExtension(file);
    }
    const CompressedFile compressed = EncodeChecked(content, ext);
    const std::string destination = WriteStream(
        {compressed.header_and_control, compressed.literals});
    Report(CompressReport(
        {destination, compressed.size(), static_cast<int64_t>(content.size())}));
  }

  void ExtractStream(const std::string& file) {
    int64_t compressed_size = 0;
    const DecodedFile decoded = ReadAndDecode(file, &compressed_size);
    const std::string destination = WriteStream({decoded.content});
    Report(ExtractReport({destination, compressed_size,
                          static_cast<int64_t>(decoded.content.size())}));
  }

  // Sound means that -d would restore it: it decodes, and its stored
  // extension makes a safe name.
  void Test(const std::string& file) {
    const DecodedFile decoded = ReadAndDecode(file, nullptr);
    if (!IsStdin(file)) ExtractedName(file, decoded.ext);
    Report(DisplayName(file) + ": OK");
  }

  DecodedFile ReadAndDecode(const std::string& file, int64_t* compressed_size) {
    if (!IsStdin(file)) return ReadCompressedFile(env_.fs, file, compressed_size);
    const std::vector<uint8_t> data = ReadStdin(kCompressedFileLimit);
    if (compressed_size != nullptr) {
      *compressed_size = static_cast<int64_t>(data.size());
    }
    return DecodeChecked(data);
  }

  std::vector<uint8_t> ReadStdin(const SourceLimit& limit) {
    try {
      return ReadDescriptor(env_.stdin_fd, kStdinName, limit.max_size);
    } catch (const FileError& e) {
      if (e.error_number() == EFBIG) throw CommandError(limit.failure, limit.reason);
      throw CommandError(Failure::kCannotRead,
                         std::string("cannot read standard input: ") + e.what());
    }
  }

  // Writes standard output, or for standard input the path of -o; returns
  // the name the report shows.
  std::string WriteStream(std::initializer_list<std::span<const uint8_t>> pieces) {
    if (!ToStdout() && options_.output) {
      WriteOutput(env_.fs, *options_.output, pieces, Existing());
      return *options_.output;
    }
    std::unique_ptr<WritableFile> out = NewDescriptorFile(env_.stdout_fd, kStdoutName);
    try {
      for (std::span<const uint8_t> piece : pieces) out->Append(piece);
    } catch (const FileError& e) {
      throw CommandError(Failure::kCannotWrite,
                         std::string("cannot write standard output: ") + e.what());
    }
    return kStdoutName;
  }

  static std::string DisplayName(const std::string& file) {
    return file == "-" ? kStdinName : file;
  }

  void Report(const std::string& text) {
    if (options_.verbose) env_.err << text << '\n';
  }

  void PrintFailure(const std::string& file, const std::string& reason) {
    env_.err << "dun: " << DisplayName(file) << ": " << reason << '\n';
  }

  const Options& options_;
  DunEnvironment& env_;
};

bool WritesCompressedDataToStdout(const Options& options) {
  if (options.mode != Mode::kCompress) return false;
  if (options.output) return *options.output == "-";
  if (options.to_stdout) return true;
  for (const std::string& file : options.files) {
    if (file == "-") return true;
  }
  return false;
}

}  // namespace

int RunDun(int argc, const char* const* argv, DunEnvironment& env) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  const Options& options = parsed.options;
  if (!parsed.usage_error.empty()) {
    env.err << "dun: " << parsed.usage_error << "\n"
            << "Try 'dun --help' for more information.\n";
    return kExitUsage;
  }
  if (options.help) {
    env.out << UsageText();
    return kExitSuccess;
  }
  if (options.version) {
    env.out << "dun (Dunra) " DUNRA_VERSION "\n";
    return kExitSuccess;
  }
  if (env.stdout_is_terminal && !options.force &&
      WritesCompressedDataToStdout(options)) {
    env.err << "dun: compressed data not written to a terminal "
               "(use -f to force it)\n";
    return kExitFailure;
  }
  DunRunner runner(options, env);
  bool all_ok = true;
  for (const std::string& file : options.files) {
    all_ok = runner.Run(file) && all_ok;
  }
  env.err.flush();
  return all_ok ? kExitSuccess : kExitFailure;
}

}  // namespace dunra::cli
