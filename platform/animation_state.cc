#include "platform/animation_state.h"

namespace dunra {

AnimationState& ProgramAnimation() {
  static AnimationState state;
  return state;
}

}  // namespace dunra
