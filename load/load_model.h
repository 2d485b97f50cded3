#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "load/geo_position.h"
#include "load/units.h"

namespace tarnwick::load {

// Defaults of a load, in feet whatever a file's units.
inline constexpr double kDefaultExitAltitude = 14000;     // ft msl
inline constexpr double kDefaultOpeningAltitude = 3000;   // ft msl
inline constexpr double kDefaultTerminalAltitude = 6000;  // ft msl, of a terminal speed
inline constexpr double kDefaultTargetSeparation = 1000;  // ft
inline constexpr double kDefaultMinimumDelay = 5;         // s
inline constexpr double kDefaultCanopyAirspeed = 20;      // kt
inline constexpr double kDefaultSinkRate = 14;            // ft/s
inline constexpr double kDefaultPatternAltitude = 1000;   // ft above the landing area
inline constexpr double kDefaultReachFactor = 0.7;        // the share of a canopy's still-air range

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

// The wind at one altitude of a profile given by levels (a forecast's); between two levels the
// wind's along- and cross-track components change linearly with altitude (WindAt).
struct WindLevel {
  double altitude = 0;  // ft msl
  LayerWind wind;       // as a layer's: a headwind, or a speed and the direction it blows from
};

// How the file gives the jump run heading. The load flies the true heading; a magnetic one is
// kept as given so that it is written back and shown as the pilot flies it.
enum class HeadingReference { True, Magnetic };

// Where the load jumps; every field may be missing.
struct DropZone {
  std::string name;
  std::optional<double> latitude;   // degrees, north positive, -90 to 90
  std::optional<double> longitude;  // degrees, east positive, -180 to 180
  std::optional<double> elevation;  // ft msl
};

// Where a load's wind levels came from, as the source states it; a field is empty when not
// given. The forecast readers (winds/) fill it in; every view shows it, escaped.
struct WindSource {
  std::string format;   // "winds aloft bulletin", "sounding", "forecast API"
  std::string station;  // a station id, or "39.57, -104.85" for a position
  std::string model;    // "RAOB", "RAP", ...
  std::string issued;   // "DATA BASED ON 131200Z"
  std::string valid;    // "VALID 131800Z FOR USE 1400-2100Z", or the time taken
  std::string note;     // what the user must know about the levels
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

// A group's canopy: how fast it flies through the air and how fast it comes down.
struct Canopy {
  double airspeed = kDefaultCanopyAirspeed;  // kt
  double sinkRate = kDefaultSinkRate;        // ft/s
  bool operator==(const Canopy&) const = default;
};

struct Group {
  std::string name;
  FallRate fallRate;
  double openingAltitude = kDefaultOpeningAltitude;  // ft msl, below the exit altitude
  float delay = 0;               // s after the previous group's exit; ignored for the first group
  std::optional<Canopy> canopy;  // none: the load's canopy
};

struct Load {
  std::string name;  // optional, for the briefing
  Units units;       // of the file and of everything printed; the numbers below are ft, kt, s
  double indicatedAirspeed = 80;               // kt
  double exitAltitude = kDefaultExitAltitude;  // ft msl
  std::optional<double> jumpRunHeading;        // degrees true, needed by winds with a direction
  HeadingReference headingReference = HeadingReference::True;  // as the file gives the heading
  std::optional<double> magneticVariation;  // degrees, east positive: true = magnetic + variation
  // The winds: layers or levels, never both (LoadProblem); both empty: calm air.
  std::vector<WindLayer> winds;
  std::vector<WindLevel> windLevels;     // from the top down, at distinct altitudes
  std::optional<WindSource> windSource;  // where the levels came from
  std::optional<DropZone> dropZone;
  double targetSeparation = kDefaultTargetSeparation;  // ft
  double minimumDelay = kDefaultMinimumDelay;          // s
  std::vector<Group> groups;                           // in exit order
  // The spot: where the jump run passes the landing area and what the canopies must do.
  double jumpRunOffset = 0;  // ft the jump run passes to the right of the landing area
  Canopy canopy;             // every group's unless it has its own
  double patternAltitude = kDefaultPatternAltitude;  // ft above the landing area
  double reachFactor = kDefaultReachFactor;
};

// The canopy group `index` flies: its own, or the load's.
const Canopy& CanopyOf(const Load& load, std::size_t index);

// The landing area's elevation, ft msl: the ground the spot's frame stands on. The one place
// that reads it, so that a drop zone with an elevation changes every use at once.
double LandingAreaElevation(const Load& load);
// The landing area's position on the ellipsoid: the drop zone's, when the load gives both its
// latitude and longitude.
std::optional<GeoPosition> LandingAreaPosition(const Load& load);

// A wind layer in track coordinates, ft/s: x along the jump run, y to its right.
struct TrackWind {
  double headwind = 0;  // the component against the aircraft's direction of flight
  double cross = 0;     // the wind's velocity towards the right of the track
};
TrackWind TrackWindOf(const LayerWind& wind, std::optional<double> jumpRunHeading);
TrackWind TrackWindOf(const WindLayer& layer, std::optional<double> jumpRunHeading);

// Whether the load's winds are given as levels.
bool HasWindLevels(const Load& load);

// The jump run heading as a magnetic compass reads it, when the load has a heading and a
// magnetic variation: true - variation, from 0 to below 360.
std::optional<double> MagneticHeadingOf(const Load& load);

// A heading in degrees brought to 0 to below 360.
double NormalizedHeading(double degrees);

// The wind at altitude h in track coordinates: the layer's that holds h, or between the two
// levels that bracket h interpolated linearly (above the highest level the highest's, below
// the lowest the lowest's); calm without winds. A flight asks a WindProfile
// (load/wind_profile.h), which gives the same numbers faster.
TrackWind WindAt(const Load& load, double altitude);

// The aircraft's true airspeed in ft/s at the exit altitude, from its indicated airspeed in kt.
double TrueAirspeedAt(double indicatedAirspeed, double exitAltitude);

// The first problem that keeps a load from being flown, as one line naming the field
// ("winds[1].above: ...", a group's as GroupPlaceText does), or nothing when it can be flown.
std::optional<std::string> LoadProblem(const Load& load);
// LoadProblem but for the rule that a load has groups: the first problem of a load being built,
// whose every value is fine in itself before its first group exists.
std::optional<std::string> DraftLoadProblem(const Load& load);

// Why a wind level cannot be flown, naming `field` ("windLevels[2].speed: ..."): its altitude
// from 0 to limits::kMaxLevelAltitude, its wind as a layer's up to limits::kMaxLevelSpeed.
std::optional<std::string> WindLevelProblem(const WindLevel& level, const Load& load,
                                            const std::string& field);

// Why `name` cannot name a load or a group (longer than limits::kMaxNameLength characters).
std::optional<std::string> NameProblem(std::string_view name);

// A group's field as messages name it, in the window's words and the file's:
// group 4 "Tandem" (groups[3].openingAltitude). Numbers count from 1 as the window shows them;
// the name, escaped, is left out when there is none fit to show (`name` null).
std::string GroupPlaceText(std::size_t index, const std::string* name, std::string_view path);

}  // namespace tarnwick::load
