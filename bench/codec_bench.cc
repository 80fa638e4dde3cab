// Throughput of the readable and the fast codec beside LZ4, zstd level 1
// and memcpy on five kinds of content, in MB/s of content (10^6 bytes),
// then a table of ratios and the compressed sizes. Every fast figure is
// given for the portable path and for the widest path this processor runs.
//
//   codec_bench [--benchmark_repetitions=5] [--benchmark_filter=...]
//
// With repetitions the tables use the medians.
#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zstd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "codec/rle_fast.h"
#include "codec/rle_header.h"
#include "codec/rle_reference.h"

#ifndef DUNRA_BENCH_BINARY
#define DUNRA_BENCH_BINARY "/proc/self/exe"
#endif

namespace dunra::bench {
namespace {

using Bytes = std::vector<uint8_t>;
using fast::CodecPath;

// One input with every buffer its benchmarks need, prepared once.
struct Prepared {
  BenchInput input;
  int32_t n = 0;
  Bytes header_buffer = Bytes(kHeaderBufferSize);
  Bytes literal_buffer;
  Bytes file;  // the whole compressed file
  std::span<const uint8_t> header_and_control, literals;
  Bytes out;  // decode target and memcpy destination, n + 1 bytes
  Bytes lz4;
  int lz4_size = 0;
  Bytes zstd;
  size_t zstd_size = 0;
};

Prepared Prepare(BenchInput input) {
  Prepared p;
  p.input = std::move(input);
  const Bytes& content = p.input.content;
  p.n = static_cast<int32_t>(content.size());
  p.literal_buffer.resize(content.size() + 1);
  p.file = EncodeFile(content, {'b', 'i', 'n'});
  const FileParts parts = SplitFile(p.file);
  p.header_and_control = parts.header_and_control;
  p.literals = parts.literals;
  p.out.resize(content.size() + 1);
  // Measure nothing that is wrong: every path must write the readable
  // encoder's streams and read the content back.
  const EncodedLengths expected = reference::EncodeRunLength(
      content.data(), p.n, p.header_buffer.data(), p.literal_buffer.data());
  const Bytes expected_control(p.header_buffer.begin() + kHeaderSize,
                               p.header_buffer.begin() + kHeaderSize + expected.control_length);
  const Bytes expected_literals(p.literal_buffer.begin(),
                                p.literal_buffer.begin() + expected.literal_count);
  for (CodecPath path : fast::kAllCodecPaths) {
    if (!fast::IsSupported(path)) continue;
    Bytes header(kHeaderBufferSize), literals(content.size() + 1);
    const EncodedLengths got =
        fast::EncodeRunLength(content.data(), p.n, header.data(), literals.data(), path);
    const bool same_streams =
        got.control_length == expected.control_length &&
        got.literal_count == expected.literal_count &&
        std::equal(expected_control.begin(), expected_control.end(),
                   header.begin() + kHeaderSize) &&
        std::equal(expected_literals.begin(), expected_literals.end(), literals.begin());
    if (!same_streams ||
        fast::DecodeStreams(p.header_and_control, p.literals, path).content != content) {
      std::fprintf(stderr, "%s: the %s path differs from the readable codec\n",
                   p.input.name.c_str(), fast::CodecPathName(path));
      std::exit(1);
    }
  }

  p.lz4.resize(LZ4_compressBound(p.n));
  p.lz4_size = LZ4_compress_default(reinterpret_cast<const char*>(content.data()),
                                    reinterpret_cast<char*>(p.lz4.data()), p.n,
                                    static_cast<int>(p.lz4.size()));
  p.zstd.resize(ZSTD_compressBound(content.size()));
  p.zstd_size = ZSTD_compress(p.zstd.data(), p.zstd.size(), content.data(),
                              content.size(), 1);
  return p;
}

void Throughput(benchmark::State& state, const Prepared& p) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * p.n);
}

void ReadableEncode(benchmark::State& state, Prepared* p) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(reference::EncodeRunLength(
        p->input.content.data(), p->n, p->header_buffer.data(), p->literal_buffer.data()));
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

void FastEncode(benchmark::State& state, Prepared* p, CodecPath path) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(fast::EncodeRunLength(p->input.content.data(), p->n,
                                                   p->header_buffer.data(),
                                                   p->literal_buffer.data(), path));
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

void ReadableDecode(benchmark::State& state, Prepared* p) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(reference::DecodeStreams(p->header_and_control, p->literals));
  }
  Throughput(state, *p);
}

// Through the same interface as the readable decoder: a fresh vector each time.
void FastDecode(benchmark::State& state, Prepared* p, CodecPath path) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(fast::DecodeStreams(p->header_and_control, p->literals, path));
  }
  Throughput(state, *p);
}

// Into a buffer the caller holds, as LZ4, zstd and memcpy are measured.
void FastDecodeInto(benchmark::State& state, Prepared* p, CodecPath path) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        fast::DecodeStreamsInto(p->header_and_control, p->literals, p->out, path));
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

void Lz4Compress(benchmark::State& state, Prepared* p) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LZ4_compress_default(
        reinterpret_cast<const char*>(p->input.content.data()),
        reinterpret_cast<char*>(p->lz4.data()), p->n, static_cast<int>(p->lz4.size())));
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

void Lz4Decompress(benchmark::State& state, Prepared* p) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(LZ4_decompress_safe(
        reinterpret_cast<const char*>(p->lz4.data()), reinterpret_cast<char*>(p->out.data()),
        p->lz4_size, static_cast<int>(p->out.size())));
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

void ZstdCompress(benchmark::State& state, Prepared* p) {
  ZSTD_CCtx* context = ZSTD_createCCtx();
  Bytes out(p->zstd.size());
  for (auto _ : state) {
    benchmark::DoNotOptimize(ZSTD_compressCCtx(context, out.data(), out.size(),
                                               p->input.content.data(), p->n, 1));
    benchmark::ClobberMemory();
  }
  ZSTD_freeCCtx(context);
  Throughput(state, *p);
}

void ZstdDecompress(benchmark::State& state, Prepared* p) {
  ZSTD_DCtx* context = ZSTD_createDCtx();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ZSTD_decompressDCtx(context, p->out.data(), p->out.size(),
                                                 p->zstd.data(), p->zstd_size));
    benchmark::ClobberMemory();
  }
  ZSTD_freeDCtx(context);
  Throughput(state, *p);
}

void Memcpy(benchmark::State& state, Prepared* p) {
  for (auto _ : state) {
    std::memcpy(p->out.data(), p->input.content.data(), p->n);
    benchmark::ClobberMemory();
  }
  Throughput(state, *p);
}

std::string Key(const std::string& input, const std::string& what) {
  return input + "/" + what;
}

std::vector<CodecPath> Paths() {
  std::vector<CodecPath> paths;
  for (CodecPath path : fast::kAllCodecPaths) {
    if (fast::IsSupported(path)) paths.push_back(path);
  }
  return paths;
}

void RegisterAll(std::vector<Prepared>& prepared) {
  for (Prepared& p : prepared) {
    const std::string& name = p.input.name;
    auto add = [&](const std::string& what, auto fn, auto... args) {
      benchmark::RegisterBenchmark(Key(name, what).c_str(), fn, &p, args...)
          ->Unit(benchmark::kMicrosecond);
    };
    add("encode/readable", ReadableEncode);
    for (CodecPath path : Paths()) {
      add(std::string("encode/fast-") + fast::CodecPathName(path), FastEncode, path);
    }
    add("encode/lz4", Lz4Compress);
    add("encode/zstd1", ZstdCompress);
    add("decode/readable", ReadableDecode);
    for (CodecPath path : Paths()) {
      add(std::string("decode/fast-") + fast::CodecPathName(path), FastDecode, path);
      add(std::string("decode/fast-into-") + fast::CodecPathName(path), FastDecodeInto,
          path);
    }
    add("decode/lz4", Lz4Decompress);
    add("decode/zstd1", ZstdDecompress);
    add("memcpy", Memcpy);
  }
}

// Keeps MB/s per benchmark (the median when repeated) for the tables.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      const bool aggregate = run.run_type == Run::RT_Aggregate;
      if (run.error_occurred || (aggregate && run.aggregate_name != "median") ||
          (!aggregate && run.repetitions > 1)) {
        continue;
      }
      const auto it = run.counters.find("bytes_per_second");
      if (it != run.counters.end()) mbps_[run.run_name.function_name] = it->second.value / 1e6;
    }
  }
  // 0 when the benchmark did not run (filtered out).
  double Mbps(const std::string& key) const {
    const auto it = mbps_.find(key);
    return it == mbps_.end() ? 0 : it->second;
  }

 private:
  std::map<std::string, double> mbps_;
};

std::string Ratio(double a, double b) {
  if (a <= 0 || b <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, a / b < 10 ? "%.2f" : "%.1f", a / b);
  return text;
}

std::string Pair(double portable, double best, double base) {
  return Ratio(portable, base) + " / " + Ratio(best, base);
}

void PrintTables(const std::vector<Prepared>& prepared, const CollectingReporter& r) {
  const std::string portable = std::string("fast-") + fast::CodecPathName(CodecPath::kPortable);
  const std::string best = std::string("fast-") + fast::CodecPathName(fast::BestCodecPath());
  std::printf("\nMB/s of content (median when repeated); fast = portable / %s path\n",
              fast::CodecPathName(fast::BestCodecPath()));
  for (const char* op : {"encode", "decode"}) {
    const std::string o = op;
    std::printf("\n%-13s %9s %9s %9s %9s %9s %9s | %-13s %-13s %-13s\n", op, "readable",
                "portable", "best", "lz4", "zstd1", "memcpy", "fast/readable", "fast/lz4",
                "fast/memcpy");
    for (const Prepared& p : prepared) {
      const std::string& in = p.input.name;
      const double readable = r.Mbps(Key(in, o + "/readable"));
      // The decoder's fast/readable ratio compares the same interface (a
      // returned vector); fast/lz4 and fast/memcpy decode into a held buffer.
      const bool decode = o == "decode";
      const double fp = r.Mbps(Key(in, o + "/" + portable));
      const double fb = r.Mbps(Key(in, o + "/" + best));
      const double fp_into = decode ? r.Mbps(Key(in, "decode/fast-into-portable")) : fp;
      const double fb_into =
          decode ? r.Mbps(Key(in, "decode/fast-into-" +
                                      std::string(fast::CodecPathName(fast::BestCodecPath()))))
                 : fb;
      const double lz4 = r.Mbps(Key(in, o + "/lz4"));
      const double zstd = r.Mbps(Key(in, o + "/zstd1"));
      const double mem = r.Mbps(Key(in, "memcpy"));
      std::printf("%-13s %9.0f %9.0f %9.0f %9.0f %9.0f %9.0f | %-13s %-13s %-13s\n",
                  in.c_str(), readable, fp_into, fb_into, lz4, zstd, mem,
                  Pair(fp, fb, readable).c_str(), Pair(fp_into, fb_into, lz4).c_str(),
                  Pair(fp_into, fb_into, mem).c_str());
      if (decode) {
        std::printf("%-13s %9s %9.0f %9.0f   (through the returned-vector interface)\n", "",
                    "", fp, fb);
      }
    }
  }
  std::printf("\nCompressed sizes (bytes)\n%-13s %10s %10s %10s %10s %10s  %s\n", "input",
              "content", "dun", "control", "lz4", "zstd1", "made from");
  for (const Prepared& p : prepared) {
    std::printf("%-13s %10d %10zu %10zu %10d %10zu  %s\n", p.input.name.c_str(), p.n,
                p.file.size(), p.header_and_control.size() - kHeaderSize, p.lz4_size,
                p.zstd_size, p.input.origin.c_str());
  }
}

}  // namespace
}  // namespace dunra::bench

int main(int argc, char** argv) {
  using namespace dunra::bench;
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::vector<Prepared> prepared;
  for (BenchInput& input : MakeBenchInputs(DUNRA_BENCH_BINARY)) {
    prepared.push_back(Prepare(std::move(input)));
  }
  RegisterAll(prepared);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintTables(prepared, reporter);
  benchmark::Shutdown();
  return 0;
}
