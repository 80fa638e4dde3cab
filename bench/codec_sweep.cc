// Looks for content on which a fast path loses to the readable codec: a
// grid of regular run and gap lengths (the readable loops predict such
// content perfectly), each encoded and decoded by every path, the best of
// several timings kept. Prints the lowest fast ÷ readable ratios.
//
//   codec_sweep [rows to print, default 8]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <string_view>
#include <vector>

#include "codec/rle_fast.h"
#include "codec/rle_header.h"
#include "codec/rle_reference.h"

namespace {

using Bytes = std::vector<uint8_t>;
using dunra::fast::CodecPath;

// Runs of `run` equal bytes, `gap` single bytes between them.
Bytes RunsAndGaps(size_t size, int run, int gap) {
  std::mt19937 rng(1);
  Bytes out;
  uint8_t value = 0;
  while (out.size() < size) {
    value = static_cast<uint8_t>(value + 1 + rng() % 200);
    out.insert(out.end(), run, value);
    for (int i = 0; i < gap; ++i) {
      value = static_cast<uint8_t>(value + 1 + rng() % 200);
      out.push_back(value);
    }
  }
  out.resize(size);
  return out;
}

// Content bytes per second, the best of several runs.
template <class F>
double Speed(F f, size_t size) {
  double best = 1e9;
  for (int i = 0; i < 9; ++i) {
    const auto start = std::chrono::steady_clock::now();
    f();
    best = std::min(best, std::chrono::duration<double>(
                              std::chrono::steady_clock::now() - start).count());
  }
  return size / best;
}

struct Result {
  double ratio;
  const char* op;
  CodecPath path;
  int run, gap;
};

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 8;
  // Small enough that every run and gap length fits the control stream.
  constexpr size_t kSize = 150'000;
  std::vector<Result> results;
  for (int run : {3, 4, 5, 6, 7, 8, 9, 10, 12, 16, 20, 30, 60, 63, 64, 65, 100, 255, 256, 300}) {
    for (int gap : {0, 1, 2, 3, 5, 7, 8, 10, 15, 20, 29, 30, 31, 32, 40, 60, 62, 63, 64,
                    92, 93, 94, 95, 100, 124, 125, 126, 200}) {
      const Bytes content = RunsAndGaps(kSize, run, gap);
      const auto n = static_cast<int32_t>(content.size());
      Bytes header(dunra::kHeaderBufferSize), literals(content.size() + 1);
      const Bytes file = dunra::EncodeFile(content, {'b', 'i', 'n'});
      const dunra::FileParts parts = dunra::SplitFile(file);
      const double readable_encode = Speed(
          [&] { dunra::reference::EncodeRunLength(content.data(), n, header.data(), literals.data()); },
          kSize);
      const double readable_decode = Speed(
          [&] { dunra::reference::DecodeStreams(parts.header_and_control, parts.literals); }, kSize);
      for (CodecPath path : dunra::fast::kAllCodecPaths) {
        if (!dunra::fast::IsSupported(path)) continue;
        const double encode = Speed(
            [&] {
              dunra::fast::EncodeRunLength(content.data(), n, header.data(), literals.data(), path);
            },
            kSize);
        const double decode = Speed(
            [&] { dunra::fast::DecodeStreams(parts.header_and_control, parts.literals, path); },
            kSize);
        results.push_back({encode / readable_encode, "encode", path, run, gap});
        results.push_back({decode / readable_decode, "decode", path, run, gap});
      }
    }
  }
  std::sort(results.begin(), results.end(),
            [](const Result& a, const Result& b) { return a.ratio < b.ratio; });
  for (const char* op : {"encode", "decode"}) {
    std::printf("lowest fast / readable, %s:\n", op);
    int shown = 0;
    for (const Result& r : results) {
      if (std::string_view(r.op) != op) continue;
      if (shown++ == rows) break;
      std::printf("  %5.2f  %-8s runs of %d, %d bytes between\n", r.ratio,
                  dunra::fast::CodecPathName(r.path), r.run, r.gap);
    }
  }
  return 0;
}
