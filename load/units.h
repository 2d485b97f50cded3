#pragma once

#include <optional>
#include <string_view>

namespace tarnwick::load {

// A load keeps altitudes and distances in feet and speeds in knots; other units exist only at
// its edges, in files and in what is printed. Metres convert exactly by 0.3048 ft and the mile
// is 5280 ft; the knot is the model's own 1.688 ft/s, so that a load in knots flies exactly the
// numbers the two-jumper run flies.
enum class LengthUnit { Feet, Metres };
enum class SpeedUnit { Knots, KilometresPerHour, MetresPerSecond, MilesPerHour };

struct Units {
  LengthUnit altitude = LengthUnit::Feet;
  LengthUnit distance = LengthUnit::Feet;
  SpeedUnit speed = SpeedUnit::Knots;
};

double ToFeet(double value, LengthUnit unit);
double FromFeet(double feet, LengthUnit unit);
double ToKnots(double value, SpeedUnit unit);
double FromKnots(double knots, SpeedUnit unit);
double KnotsToFeetPerSecond(double knots);

// Each unit is entered in steps: 1 ft, 1 m; 0.1 kt, 1 km/h, 0.1 m/s, 0.1 mph. A value
// converted into a unit is rounded to its step, so that what is shown is what is kept: a length
// in feet to the nearest step of `unit` (given back in feet), a speed in knots likewise.
double RoundedFeet(double feet, LengthUnit unit);
double RoundedKnots(double knots, SpeedUnit unit);

// The names used in files and printed after numbers: "ft", "m"; "kt", "km/h", "m/s", "mph".
std::string_view UnitName(LengthUnit unit);
std::string_view UnitName(SpeedUnit unit);
std::optional<LengthUnit> LengthUnitNamed(std::string_view name);
std::optional<SpeedUnit> SpeedUnitNamed(std::string_view name);

}  // namespace tarnwick::load
