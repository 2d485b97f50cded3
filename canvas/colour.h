#pragma once

#include <cstdint>

namespace tarnwick {

// A colour is 0x00BBGGRR. Values with the top bit set (0x800000nn) name system colour nn.
using Colour = std::uint32_t;

inline constexpr Colour kSystemColourFlag = 0x80000000u;
inline constexpr Colour kButtonFace = 0x8000000Fu;  // a window's default background
inline constexpr Colour kRed = 255;
inline constexpr Colour kDarkRed = 128;
inline constexpr Colour kDefaultForeColour = 0;  // black
inline constexpr Colour kNearlyBlack = 12;       // red level 12 on black, not palette entry 12

// Entry `index` (0..15) of the standard 16-colour palette; 14 is yellow, 15 white.
// Indices outside 0..15 wrap, as the palette has only 16 entries.
Colour PaletteColor(int index);

constexpr bool IsSystemColour(Colour c) {
  return (c & kSystemColourFlag) != 0;
}
constexpr int RedOf(Colour c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(Colour c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(Colour c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

}  // namespace tarnwick
