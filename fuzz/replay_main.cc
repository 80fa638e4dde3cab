// Runs a fuzz target's entry point once per input file, so that the normal
// build can replay the seed corpus without libFuzzer. Arguments are files
// or folders of files; a crash or failed check aborts as under the fuzzer.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::filesystem::path> InputsUnder(const std::filesystem::path& path) {
  std::vector<std::filesystem::path> inputs;
  if (std::filesystem::is_directory(path)) {
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (entry.is_regular_file()) inputs.push_back(entry.path());
    }
    std::sort(inputs.begin(), inputs.end());
  } else if (std::filesystem::is_regular_file(path)) {
    inputs.push_back(path);
  }
  return inputs;
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const auto inputs = InputsUnder(argv[i]);
    if (inputs.empty()) {
      std::fprintf(stderr, "no inputs at %s\n", argv[i]);
      return 1;
    }
    for (const auto& input : inputs) {
      std::ifstream in(input, std::ios::binary);
      std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
      if (!in.eof() && in.fail()) {
        std::fprintf(stderr, "cannot read %s\n", input.c_str());
        return 1;
      }
      // Like libFuzzer, hand over a valid pointer even for an empty input.
      uint8_t empty = 0;
      LLVMFuzzerTestOneInput(bytes.empty() ? &empty : bytes.data(), bytes.size());
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return replayed == 0 ? 1 : 0;
}
