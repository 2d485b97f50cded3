#pragma once

#include <cstddef>

#include "canvas/colour.h"

namespace tarnwick {

// The colour of the group at `index` in exit order, the same in both views and on the
// briefing sheet. Dark, well-separated hues that read on white paper and on screen; after the
// last one the list starts again.
Colour GroupColour(std::size_t index);

inline constexpr Colour kWhite = 0x00FFFFFFu;
inline constexpr Colour kGridGrey = 0x00E4E4E4u;
inline constexpr Colour kTargetRed = 0x000000D0u;

}  // namespace tarnwick
