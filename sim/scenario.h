#pragma once

#include <array>
#include <cstdint>

namespace tarnwick {

// Flags are 16-bit integers: 0 false, -1 true.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The inputs of a run, written by the data entry window and read by the simulation.
// Speeds in knots, altitudes in feet msl, times in seconds.
struct Scenario {
  float ias = 0;                   // aircraft indicated airspeed
  float upperWind = 0;             // wind speed above windChangeAltitude (a magnitude)
  float lowerWind = 0;             // wind speed at and below windChangeAltitude
  float windChangeAltitude = 0;    // where the wind changes from upper to lower
  float exitDelay = 0;             // time between the first and the second exit
  std::int16_t upperWindSign = 0;  // +1 headwind, -1 tailwind
  std::int16_t lowerWindSign = 0;
  std::int16_t firstSlow = 0;   // 0 the first to exit is a fast faller, nonzero slow
  std::int16_t secondSlow = 0;  // the same for the second to exit
  std::int16_t plotRate = 0;    // 1 slow plotting, anything else no delay
  std::int16_t paused = 0;      // nonzero while the run is to be held
};

// The program-wide state shared by the windows and the simulation. One instance lives for the
// whole program; the sweep and the tests make their own, so the physics never touches a global.
struct Module1 {
  Scenario scenario;
  // Per-jumper state indexed by jumper number 1 (first out) and 2; index 0 is unused.
  std::array<double, 3> altitude{};  // feet msl
  std::array<double, 3> dragArea{};  // square feet
  std::int16_t currentJumper = 0;    // the jumper being advanced
  std::int16_t introStage = 0;       // main window: 1 after load, 3 after the first Next
};

}  // namespace tarnwick
