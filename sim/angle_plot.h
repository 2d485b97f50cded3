#pragma once

// Where the side view puts the angle plot. The frame draws the plot's 45-degree line and the
// run plots the sight angle against time, so both take the geometry from here.
namespace tarnwick::angle_plot {

// The distance axis of the frame; the angle plot's time axis starts at its left end.
inline constexpr double kAxisLeft = -6000;
inline constexpr double kAxisRight = 6000;

inline constexpr double kFeetPerSecond = 100;  // of canvas, along the time axis
inline constexpr double kFeetPerDegree = 100;  // of canvas, up the angle axis
inline constexpr double kZeroDegreesY = 3000;  // the opening altitude, where the axis ends
inline constexpr double kReferenceDegrees = 45;

// Canvas x of simulated time `seconds` since the first exit.
constexpr double TimeX(double seconds) {
  return seconds * kFeetPerSecond + kAxisLeft;
}
// Canvas y of a sight angle of `degrees`.
constexpr double AngleY(double degrees) {
  return degrees * kFeetPerDegree + kZeroDegreesY;
}

}  // namespace tarnwick::angle_plot
