#pragma once

#include <cstddef>

// The ranges an imported wind level and the text it comes from must keep to. Each limit is
// stated once, here; the readers, the fuzzer and the windows refer to these.
namespace tarnwick::winds::limits {

inline constexpr std::size_t kMaxTextBytes = 4 * 1024 * 1024;  // a file or a paste, 4 MiB
inline constexpr double kMaxLevelSpeed = 250;                  // kt, any level's wind
inline constexpr double kMaxLevelAltitude = 60000;             // ft msl; higher levels are left out
inline constexpr int kMaxJsonDepth = 64;                       // nested arrays and objects
inline constexpr long long kMaxTimeDistance = 3600;  // s between an asked time and the one taken
// km between a drop zone and the grid point of a forecast fetched for it: a coarse model's
// nearest point lies within about 20 km; farther is another place's forecast.
inline constexpr double kMaxGridDistance = 50;

}  // namespace tarnwick::winds::limits
