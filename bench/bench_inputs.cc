#include "bench/bench_inputs.h"

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "codec/rle_reference.h"

namespace dunra::bench {
namespace {

using Bytes = std::vector<uint8_t>;

bool Fits(const Bytes& content) {
  Bytes header(kHeaderBufferSize), literals(content.size() + 1);
  try {
    reference::EncodeRunLength(content.data(), static_cast<int32_t>(content.size()),
                               header.data(), literals.data());
    return true;
  } catch (const ContentTooLarge&) {
    return false;
  }
}

// Cuts 1% off the end until the control stream fits.
Bytes ShrinkToFit(Bytes content, std::string& origin) {
  const size_t wanted = content.size();
  while (!Fits(content)) content.resize(content.size() * 99 / 100);
  if (content.size() != wanted) {
    origin += ", cut from " + std::to_string(wanted) + " bytes to fit";
  }
  return content;
}

Bytes RandomBytes(size_t size) {
  std::mt19937_64 rng(1);
  Bytes out(size);
  for (uint8_t& b : out) b = static_cast<uint8_t>(rng() >> 56);
  return out;
}

// Runs of 50 to 5,000 equal bytes, each value differing from the last: a
// flat-colour image's kind.
Bytes LongRuns(size_t size) {
  std::mt19937_64 rng(2);
  std::uniform_int_distribution<int> length(50, 5'000);
  Bytes out;
  uint8_t value = 0;
  while (out.size() < size) {
    value = static_cast<uint8_t>(value + 1 + rng() % 255);
    out.insert(out.end(), length(rng), value);
  }
  out.resize(size);
  return out;
}

// Runs of exactly three bytes: the densest run content there is.
Bytes RunsOfThree(size_t size) {
  Bytes out(size);
  for (size_t i = 0; i < size; ++i) out[i] = static_cast<uint8_t>(1 + (i / 3) % 200);
  return out;
}

// English-like prose: common words drawn with falling frequencies, in
// sentences, commas, wrapped lines and paragraphs.
Bytes EnglishText(size_t size) {
  static constexpr const char* kWords[] = {
      "the", "of", "and", "to", "a", "in", "that", "is", "was", "he", "for",
      "it", "with", "as", "his", "on", "be", "at", "by", "had", "this", "not",
      "but", "from", "or", "have", "an", "they", "which", "one", "you",
      "were", "her", "all", "she", "there", "would", "their", "we", "him",
      "been", "has", "when", "who", "will", "more", "no", "if", "out", "so",
      "said", "what", "up", "its", "about", "into", "than", "them", "can",
      "only", "other", "new", "some", "could", "time", "these", "two", "may",
      "then", "do", "first", "any", "my", "now", "such", "like", "our",
      "over", "man", "me", "even", "most", "made", "after", "also", "did",
      "many", "before", "must", "through", "back", "years", "where", "much",
      "your", "way", "well", "down", "should", "because", "each", "just",
      "those", "people", "how", "too", "little", "state", "good", "very",
      "make", "world", "still", "own", "see", "men", "work", "long", "get",
      "here", "between", "both", "life", "being", "under", "never", "day",
      "same", "another", "know", "while", "last", "might", "us", "great",
      "old", "year", "off", "come", "since", "against", "go", "came",
      "right", "used", "take", "three", "water", "letters", "bookkeeper",
      "committee", "successful", "village"};
  std::mt19937_64 rng(3);
  std::vector<double> weights(std::size(kWords));
  for (size_t i = 0; i < weights.size(); ++i) weights[i] = 1.0 / (i + 3);
  std::discrete_distribution<size_t> word(weights.begin(), weights.end());
  std::uniform_int_distribution<int> sentence_length(4, 22);
  std::string text, line;
  auto flush_line = [&] { text += line + "\n"; line.clear(); };
  while (text.size() < size) {
    for (int s = 0, sentences = 3 + rng() % 5; s < sentences; ++s) {
      for (int w = 0, n = sentence_length(rng); w < n; ++w) {
        std::string token = kWords[word(rng)];
        if (w == 0) token[0] = static_cast<char>(token[0] - 'a' + 'A');
        if (w == n - 1) token += rng() % 8 == 0 ? "?" : ".";
        else if (rng() % 9 == 0) token += ",";
        if (line.size() + 1 + token.size() > 72) flush_line();
        line += (line.empty() ? "" : " ") + token;
      }
    }
    flush_line();
    text += "\n";
  }
  text.resize(size);
  return {text.begin(), text.end()};
}

// A slice of the first of the candidate binaries that is large enough;
// names the one taken in origin.
Bytes BinarySlice(const std::vector<std::string>& candidates, size_t size,
                  std::string& origin) {
  for (const std::string& path : candidates) {
    std::ifstream in(path, std::ios::binary);
    Bytes file(std::istreambuf_iterator<char>(in), {});
    if (file.size() < size) continue;
    origin = "slice of " + path;
    // Past the headers, well into the code.
    const size_t start = file.size() / 4 < file.size() - size ? file.size() / 4 : 0;
    return Bytes(file.begin() + start, file.begin() + start + size);
  }
  throw std::runtime_error("no binary of 1.5 MB to take machine code from");
}

}  // namespace

std::vector<BenchInput> MakeBenchInputs(const std::string& binary_path) {
  std::vector<BenchInput> inputs = {
      {"random", RandomBytes(1'900'000), "random bytes"},
      {"long_runs", LongRuns(7'900'000), "runs of 50-5,000 equal bytes"},
      {"runs_of_3", RunsOfThree(196'000), "runs of exactly three bytes"},
      {"text", EnglishText(1'500'000), "English-like prose"},
      {"machine_code", {}, ""},
  };
  // The compiler's own executable, else one that every build machine has.
  inputs.back().content = BinarySlice({binary_path, "/usr/bin/cmake"}, 1'500'000,
                                      inputs.back().origin);
  for (BenchInput& input : inputs) {
    input.content = ShrinkToFit(std::move(input.content), input.origin);
  }
  return inputs;
}

}  // namespace dunra::bench
