// A failed property in a fuzz target: print what broke and abort, which
// libFuzzer reports as a crash with the input that caused it.
#ifndef DUNRA_FUZZ_FUZZ_CHECK_H_
#define DUNRA_FUZZ_FUZZ_CHECK_H_

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                         \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)

#endif  // DUNRA_FUZZ_FUZZ_CHECK_H_
