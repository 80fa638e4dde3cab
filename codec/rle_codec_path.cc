#include "codec/rle_codec_path.h"

namespace dunra::fast {

bool IsSupported(CodecPath path) {
  switch (path) {
    case CodecPath::kPortable:
      return true;
#if defined(DUNRA_HAVE_X86_KERNELS)
    case CodecPath::kAvx2:
      return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") &&
             __builtin_cpu_supports("popcnt");
    case CodecPath::kAvx512:
      return __builtin_cpu_supports("avx512f") &&
             __builtin_cpu_supports("avx512bw") &&
             __builtin_cpu_supports("avx512vl") &&
             __builtin_cpu_supports("avx512vbmi") &&
             __builtin_cpu_supports("avx512vbmi2") &&
             __builtin_cpu_supports("popcnt") &&
             __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi");
#endif
    default:
      return false;
  }
}

CodecPath BestCodecPath() {
  static const CodecPath best = IsSupported(CodecPath::kAvx512) ? CodecPath::kAvx512
                                : IsSupported(CodecPath::kAvx2) ? CodecPath::kAvx2
                                                                : CodecPath::kPortable;
  return best;
}

const char* CodecPathName(CodecPath path) {
  switch (path) {
    case CodecPath::kPortable: return "portable";
    case CodecPath::kAvx2: return "avx2";
    case CodecPath::kAvx512: return "avx512";
  }
  return "?";
}

}  // namespace dunra::fast
