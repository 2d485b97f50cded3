#pragma once

#include <cstddef>

#include "entry/input_table.h"

// The ranges a load must keep to. Each limit is stated once, here; the file reader, the
// planner and the window all refer to these.
namespace tarnwick::load::limits {

using tarnwick::Box;
using tarnwick::InputFor;
using tarnwick::kLongestExitDelay;

// kt, indicated, and s in a file: as Go allows them for the two-jumper run.
inline constexpr double kMaxAirspeed = InputFor(Box::Ias).highest;
inline constexpr double kMaxLayerSpeed = 100;  // kt, any wind layer's speed or component
inline constexpr double kMaxFileDelay = kLongestExitDelay;
inline constexpr double kMaxPlannedDelay = 60;         // s, the longest delay the planner tries
inline constexpr double kMinDragArea = 1;              // square feet, any fall rate
inline constexpr double kMaxDragArea = 20;             // square feet
inline constexpr double kMaxExitAltitude = 30000;      // ft msl
inline constexpr double kMaxTargetSeparation = 20000;  // ft
inline constexpr int kMaxExhaustiveGroups = 10;        // best order: every order up to this many
inline constexpr int kMaxGroups = 32;                  // groups in one load
inline constexpr int kMaxWindLayers = 64;              // layers in one load: plenty, and cheap
inline constexpr int kMaxNameLength = 100;             // characters of a load's or group's name
// Wind levels, from a forecast or typed: a forecast reaches far higher and faster than a jump.
inline constexpr int kMaxWindLevels = 64;               // levels in one load
inline constexpr double kMaxLevelSpeed = 250;           // kt, any level's speed or component
inline constexpr double kMaxLevelAltitude = 60000;      // ft msl
inline constexpr double kMaxMagneticVariation = 180;    // degrees either way
inline constexpr double kMinDropZoneElevation = -1500;  // ft msl: the lowest ground on land
inline constexpr int kMaxSourceTextLength = 200;        // characters of each field of a wind source

// The spot.
inline constexpr double kMaxJumpRunOffset = 20000;      // ft either side of the landing area
inline constexpr double kMaxCanopyAirspeed = 60;        // kt
inline constexpr double kMaxSinkRate = 60;              // ft/s; a sink rate is above 0
inline constexpr double kMaxPatternAltitude = 5000;     // ft above the landing area
inline constexpr double kMaxReachFactor = 1;            // above 0: the whole still-air range
inline constexpr double kLowOpeningAboveGround = 2500;  // ft above the landing area: warned
inline constexpr double kBestOffsetSpan = 3000;  // ft: --best-offset tries this far each side
inline constexpr double kBestOffsetStep = 50;    // ft between the offsets it tries
// ft: a group that gets back with less to spare than this is shown as cutting it fine (amber),
// about 10 s of a 20 kt canopy's flight: what a turn into the wind or a late opening takes.
inline constexpr double kSmallReachMargin = 300;

// A load file is a few kilobytes. Anything larger is refused unread; the size is counted while
// reading, since a growing file or a device reports none that can be trusted.
inline constexpr std::size_t kMaxLoadFileBytes = 4 * 1024 * 1024;
// Arrays and objects within each other: a load needs 4; a deeper text is refused before it is
// built, so that no nesting can exhaust the stack.
inline constexpr int kMaxNesting = 64;

}  // namespace tarnwick::load::limits
