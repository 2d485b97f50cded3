#pragma once

#include <cstddef>

#include "load/load_limits.h"

// The ranges an imported wind level and the text it comes from must keep to. Each limit is
// stated once, here; the readers, the fuzzer and the windows refer to these.
namespace tarnwick::winds::limits {

inline constexpr std::size_t kMaxTextBytes = 4 * 1024 * 1024;  // a file or a paste, 4 MiB
// A level a load takes is a level a forecast may give: the load's limits are the one source.
inline constexpr double kMaxLevelSpeed = load::limits::kMaxLevelSpeed;  // kt, any level's wind
inline constexpr double kMaxLevelAltitude =
    load::limits::kMaxLevelAltitude;                 // ft msl; higher: left out
inline constexpr int kMaxJsonDepth = 64;             // nested arrays and objects
inline constexpr long long kMaxTimeDistance = 3600;  // s between an asked time and the one taken
// km between a drop zone and the grid point of a forecast fetched for it: a coarse model's
// nearest point lies within about 20 km; farther is another place's forecast.
inline constexpr double kMaxGridDistance = 50;
// How long a fetch of the forecast may take in all, from the request to the last byte of the
// answer: the desktop's and the web page's alike.
inline constexpr int kForecastTimeoutSeconds = 15;

}  // namespace tarnwick::winds::limits
