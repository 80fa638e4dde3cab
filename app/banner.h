// The status banner: three frame tables and the timer step that picks the
// next frame from the animation state.
#ifndef DUNRA_APP_BANNER_H_
#define DUNRA_APP_BANNER_H_

#include <array>
#include <functional>
#include <string_view>

#include "platform/animation_state.h"

namespace dunra {

// Each table ends with the end mark ".", which is never shown. Entry 0 of
// the two sequence tables is never shown either: index 0 means "not
// running". Every space counts.
extern const std::array<std::string_view, 13> compressFrames;
extern const std::array<std::string_view, 18> extractFrames;
extern const std::array<std::string_view, 67> idleFrames;

inline constexpr std::string_view kFrameEndMark = ".";

// Sets the banner's whole text; a setter that is handed the text it already
// shows must change nothing.
using BannerTextSetter = std::function<void(std::string_view text)>;

// One 100 ms tick: shows the next frame of the compress sequence, else of
// the extract sequence, else counts the idle pause down, else shows the
// next idle frame.
void BannerTick(AnimationState& state, const BannerTextSetter& set_text);

}  // namespace dunra

#endif  // DUNRA_APP_BANNER_H_
