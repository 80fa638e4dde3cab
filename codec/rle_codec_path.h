// Which kernels the fast codec runs: the widest the running processor
// supports, unless a caller (a test, the benchmark) names one.
#ifndef DUNRA_CODEC_RLE_CODEC_PATH_H_
#define DUNRA_CODEC_RLE_CODEC_PATH_H_

namespace dunra::fast {

enum class CodecPath { kPortable, kAvx2, kAvx512 };

inline constexpr CodecPath kAllCodecPaths[] = {
    CodecPath::kPortable, CodecPath::kAvx2, CodecPath::kAvx512};

bool IsSupported(CodecPath path);
CodecPath BestCodecPath();
const char* CodecPathName(CodecPath path);

}  // namespace dunra::fast

#endif  // DUNRA_CODEC_RLE_CODEC_PATH_H_
