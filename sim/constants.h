#pragma once

// The fixed numbers of the model. Each appears here once; everything else refers to these.
namespace tarnwick::model {

inline constexpr double kSeaLevelDensity = 0.00238;  // slug per cubic foot at altitude 0
inline constexpr double kDensityDecay = 3.06e-05;    // per foot
inline constexpr double kGravity = 32.2;             // ft/s^2
inline constexpr double kJumperWeight = 155;         // lb
inline constexpr double kHalf = 0.5;                 // the one half of the drag formula
inline constexpr double kPi = 3.14159;               // as the model has always used it
inline constexpr double kTimeStep = 0.01;            // s
inline constexpr double kSlowDragArea = 5.2;         // square feet
inline constexpr double kFastDragArea = 2.74;        // square feet
inline constexpr double kFeetPerSecondPerKnot = 1.688;
inline constexpr double kExitAltitude = 14000;    // feet msl
inline constexpr double kOpeningAltitude = 3000;  // feet msl
inline constexpr double kCanopySinkRate = 10;     // ft/s under canopy
inline constexpr double kMarkInterval = 2;        // s of simulated time between markers

}  // namespace tarnwick::model
