#pragma once

namespace tarnwick::main_window {

// The main window in twips: the opening page, and the plot it turns into after Next. The
// window, the exported plot and a new canvas (which starts as the main window's client area)
// all lay themselves out from these, so they live below all three.
inline constexpr int kWidthTwips = 5175;
inline constexpr int kHeightTwips = 7290;
inline constexpr int kIntroFirstRow = 5;  // character rows above the opening page
inline constexpr int kButtonsTopTwips = 6840;
inline constexpr int kPlotWidthTwips = 6500;

// The plot's user scale in feet: downrange -6100..6100 across, altitude 15000 at the top edge
// down to 1500 at the bottom.
inline constexpr float kScaleLeft = -6100;
inline constexpr float kScaleTop = 15000;
inline constexpr float kScaleWidth = 12200;
inline constexpr float kScaleHeight = -13500;

}  // namespace tarnwick::main_window
