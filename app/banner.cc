#include "app/banner.h"

namespace dunra {

const std::array<std::string_view, 13> compressFrames = {
    "",
    "    C",
    "    CO",
    "    COM",
    "    COMP",
    "    COMPR",
    "    COMPRE",
    "    COMPRES",
    "    COMPRESS",
    "    COMPRESSE",
    "    COMPRESSED!",
    "    COMPRESSED!",
    ".",
};

const std::array<std::string_view, 18> extractFrames = {
    "",
    "ED",
    "CTED",
    "RACTED",
    "EXTRACTED",
    "  EXTRACTED",
    "    EXTRACTED",
    "      EXTRACTED",
    "      EXTRACTED",
    "      EXTRACTED",
    "        EXTRACTED",
    "          EXTRACTED",
    "            EXTRACT",
    "              EXTRA",
    "                EXT",
    "                  T",
    "",
    ".",
};

const std::array<std::string_view, 67> idleFrames = {
    "   D",                  // 0: spell the name
    "   D  U",
    "   D  U  N",
    "   D  U  N  R",
    "   D  U  N  R  A",
    "   D  U  N  R  A",      // 5: hold
    "      U  N  R  A",      // 6: wipe from the left
    "         N  R  A",
    "            R  A",
    "               A",
    "",                      // 10
    "",
    "A",                     // 12: slide in at the left, out at the right
    "NRA",
    "DUNRA",
    "  DUNRA",
    "    DUNRA",
    "      DUNRA",
    "        DUNRA",
    "          DUNRA",
    "            DUNRA",     // 20
    "              DUNRA",
    "                DUN",
    "                  D",
    "",
    "   D  U  N  R  A",      // 25: flash three times
    "   D  U  N  R  A",
    "",
    "",
    "   D  U  N  R  A",
    "   D  U  N  R  A",      // 30
    "",
    "",
    "   D  U  N  R  A",
    "   D  U  N  R  A",
    "",
    "",
    "         N",            // 37: grow from the middle, spread, shrink
    "      U  N  R",
    "   D  U  N  R  A",
    "   D  U  N  R  A",      // 40
    " D   U   N   R   A",
    "    U    N    R",
    "  U      N     R",
    " U       N      R",
    "         N",
    "         N",
    "",
    "",
    "                  D",   // 49: slide in at the right, out at the left
    "                DUN",   // 50
    "              DUNRA",
    "            DUNRA",
    "          DUNRA",
    "        DUNRA",
    "      DUNRA",
    "    DUNRA",
    "  DUNRA",
    "DUNRA",
    "NRA",
    "A",                     // 60
    "",
    "",
    "",
    "",
    "",
    ".",
};

namespace {

// Shows frames[index], moves on, and reports whether the sequence ended.
// An index outside the table (no writer sets one) ends the sequence rather
// than reading past it.
template <size_t N>
bool ShowAndAdvance(const std::array<std::string_view, N>& frames,
                    int32_t& index, const BannerTextSetter& set_text) {
  if (index < 0 || index >= static_cast<int32_t>(N) - 1) return true;
  set_text(frames[index]);
  ++index;
  return frames[index] == kFrameEndMark;
}

}  // namespace

void BannerTick(AnimationState& state, const BannerTextSetter& set_text) {
  if (state.compressFrame != 0) {
    if (ShowAndAdvance(compressFrames, state.compressFrame, set_text)) {
      state.compressFrame = 0;
      state.idleFrame = 0;
    }
  } else if (state.extractFrame != 0) {
    if (ShowAndAdvance(extractFrames, state.extractFrame, set_text)) {
      state.extractFrame = 0;
      state.idleFrame = 0;
    }
  } else if (state.idleDelay != 0) {
    --state.idleDelay;
  } else if (ShowAndAdvance(idleFrames, state.idleFrame, set_text)) {
    state.idleFrame = 0;
  }
}

}  // namespace dunra
