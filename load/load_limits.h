#pragma once

// The ranges a load must keep to. Each limit is stated once, here; the file reader, the
// planner and the window all refer to these.
namespace tarnwick::load::limits {

inline constexpr double kMaxAirspeed = 200;            // kt, indicated; as Go allows
inline constexpr double kMaxLayerSpeed = 100;          // kt, any wind layer's speed or component
inline constexpr double kMaxFileDelay = 30;            // s, a delay written in a file; as Go allows
inline constexpr double kMaxPlannedDelay = 60;         // s, the longest delay the planner tries
inline constexpr int kDelayGridTenths = 1;             // the planner's grid: 0.1 s
inline constexpr double kMinDragArea = 1;              // square feet, any fall rate
inline constexpr double kMaxDragArea = 20;             // square feet
inline constexpr double kMaxExitAltitude = 30000;      // ft msl
inline constexpr double kMaxTargetSeparation = 20000;  // ft
inline constexpr int kMaxExhaustiveGroups = 8;         // best order: every order up to this many
inline constexpr int kMaxGroups = 32;                  // groups in one load

}  // namespace tarnwick::load::limits
