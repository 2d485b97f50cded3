#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "load/units.h"

namespace tarnwick::load {

// Defaults of a load, in feet whatever a file's units.
inline constexpr double kDefaultExitAltitude = 14000;     // ft msl
inline constexpr double kDefaultOpeningAltitude = 3000;   // ft msl
inline constexpr double kDefaultTerminalAltitude = 6000;  // ft msl, of a terminal speed
inline constexpr double kDefaultTargetSeparation = 1000;  // ft
inline constexpr double kDefaultMinimumDelay = 5;         // s

// How a layer's wind is given: a signed component along the jump run, or a speed with the
// direction it blows from. A layer holds exactly one of them, so nothing can read a headwind
// that was never given or a direction of a headwind.
struct Headwind {
  double component = 0;  // kt against the aircraft's direction of flight, negative: tailwind
};
struct DirectedWind {
  double speed = 0;  // kt
  double from = 0;   // degrees true the wind blows from; needs the jump-run heading
};
using LayerWind = std::variant<Headwind, DirectedWind>;

// One layer of the winds aloft. Layers are listed from the top down; a point at altitude h is
// in the first layer whose base is strictly below h. The last layer has no base and reaches
// the ground.
struct WindLayer {
  std::optional<double> above;  // base, ft msl
  LayerWind wind;               // calm unless given
};

struct FallRate {
  enum class Kind { Slow, Fast, DragArea, TerminalSpeed };
  Kind kind = Kind::Slow;
  double dragArea = 0;                           // square feet, Kind::DragArea
  double terminalSpeed = 0;                      // kt, Kind::TerminalSpeed
  double atAltitude = kDefaultTerminalAltitude;  // ft msl, where the terminal speed holds
  std::optional<SpeedUnit> unit;  // the unit the terminal speed was given in, to write it back
};

// The drag area in square feet that a fall rate stands for.
double DragAreaOf(const FallRate& fallRate);

struct Group {
  std::string name;
  FallRate fallRate;
  double openingAltitude = kDefaultOpeningAltitude;  // ft msl, below the exit altitude
  float delay = 0;  // s after the previous group's exit; ignored for the first group
};

struct Load {
  std::string name;  // optional, for the briefing
  Units units;       // of the file and of everything printed; the numbers below are ft, kt, s
  double indicatedAirspeed = 80;               // kt
  double exitAltitude = kDefaultExitAltitude;  // ft msl
  std::optional<double> jumpRunHeading;        // degrees true, needed by winds with a direction
  std::vector<WindLayer> winds;                // empty: calm air
  double targetSeparation = kDefaultTargetSeparation;  // ft
  double minimumDelay = kDefaultMinimumDelay;          // s
  std::vector<Group> groups;                           // in exit order
};

// A wind layer in track coordinates, ft/s: x along the jump run, y to its right.
struct TrackWind {
  double headwind = 0;  // the component against the aircraft's direction of flight
  double cross = 0;     // the wind's velocity towards the right of the track
};
TrackWind TrackWindOf(const WindLayer& layer, std::optional<double> jumpRunHeading);

// The index of the layer that holds altitude h (none when there are no winds).
std::optional<std::size_t> LayerAt(const std::vector<WindLayer>& winds, double altitude);

// The wind at altitude h in track coordinates (calm without layers).
TrackWind WindAt(const Load& load, double altitude);

// The aircraft's true airspeed in ft/s at the exit altitude, from its indicated airspeed in kt.
double TrueAirspeedAt(double indicatedAirspeed, double exitAltitude);

// The first problem that keeps a load from being flown, as one line naming the field
// ("winds[1].above: ...", a group's as GroupPlaceText does), or nothing when it can be flown.
std::optional<std::string> LoadProblem(const Load& load);
// LoadProblem but for the rule that a load has groups: the first problem of a load being built,
// whose every value is fine in itself before its first group exists.
std::optional<std::string> DraftLoadProblem(const Load& load);

// Why `name` cannot name a load or a group (longer than limits::kMaxNameLength characters).
std::optional<std::string> NameProblem(std::string_view name);

// A group's field as messages name it, in the window's words and the file's:
// group 4 "Tandem" (groups[3].openingAltitude). Numbers count from 1 as the window shows them;
// the name, escaped, is left out when there is none fit to show (`name` null).
std::string GroupPlaceText(std::size_t index, const std::string* name, std::string_view path);

}  // namespace tarnwick::load
