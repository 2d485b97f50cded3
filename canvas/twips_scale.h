#pragma once

namespace tarnwick {

// The windows are laid out in twips, 1440 to the inch; at 96 logical dots per inch that is 15
// twips per logical pixel, and Qt's device-pixel ratio takes care of high-DPI screens.
inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace tarnwick
