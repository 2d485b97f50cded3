#pragma once

#include <string>
#include <vector>

#include "canvas/colour.h"

namespace tarnwick {

// The colour of each group of a load, given the groups' names in exit order; the same in both
// views and on the briefing sheet. A group's colour follows its name, not its place in the
// order, so that it keeps its colour wherever it moves: each name has a colour of its own
// choosing, and names that choose the same one are given the next free colour, in the order
// of the names (not of the groups), so that reordering never changes who gets which. Up to
// eight groups all differ; beyond that the colours are shared out as evenly as they go. Dark,
// well-separated hues that read on white paper and on screen.
std::vector<Colour> GroupColours(const std::vector<std::string>& names);

inline constexpr Colour kWhite = 0x00FFFFFFu;
inline constexpr Colour kGridGrey = 0x00E4E4E4u;
inline constexpr Colour kTargetRed = 0x000000D0u;

}  // namespace tarnwick
