// The benchmark's contents: generated from fixed seeds, except the machine
// code, which is a slice of a system binary.
#ifndef DUNRA_BENCH_BENCH_INPUTS_H_
#define DUNRA_BENCH_BENCH_INPUTS_H_

#include <cstdint>
#include <string>
#include <vector>

namespace dunra::bench {

struct BenchInput {
  std::string name;
  std::vector<uint8_t> content;
  std::string origin;  // how it was made, for the closing table
};

// Every content is cut down, if need be, until its control stream fits the
// format. binary_path names the file the machine-code slice comes from.
std::vector<BenchInput> MakeBenchInputs(const std::string& binary_path);

}  // namespace dunra::bench

#endif  // DUNRA_BENCH_BENCH_INPUTS_H_
