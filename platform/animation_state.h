// The banner's animation state: written by the file commands and the
// mouse handler, read and advanced by the banner's timer step.
#ifndef DUNRA_PLATFORM_ANIMATION_STATE_H_
#define DUNRA_PLATFORM_ANIMATION_STATE_H_

#include <cstdint>

namespace dunra {

struct AnimationState {
  int32_t compressFrame = 0;  // 0: no compress sequence; else next frame
  int32_t extractFrame = 0;   // 0: no extract sequence; else next frame
  int32_t idleFrame = 0;      // next idle frame
  int32_t idleDelay = 0;      // ticks to wait before the next idle frame
};

// The one program-wide set; tests give components their own instance.
AnimationState& ProgramAnimation();

}  // namespace dunra

#endif  // DUNRA_PLATFORM_ANIMATION_STATE_H_
