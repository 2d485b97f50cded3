#include "load/units.h"

#include <cmath>

#include "sim/constants.h"

namespace tarnwick::load {
namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;
constexpr double kFeetPerMile = 5280;
constexpr double kSecondsPerHour = 3600;

// Feet per second in one of `unit`; the knot is the model's.
double FeetPerSecond(SpeedUnit unit) {
  switch (unit) {
    case SpeedUnit::Knots:
      return model::kFeetPerSecondPerKnot;
    case SpeedUnit::KilometresPerHour:
      return 1000 * kFeetPerMetre / kSecondsPerHour;
    case SpeedUnit::MetresPerSecond:
      return kFeetPerMetre;
    case SpeedUnit::MilesPerHour:
      return kFeetPerMile / kSecondsPerHour;
  }
  return model::kFeetPerSecondPerKnot;
}

// Steps per unit: a whole number, so that dividing by it gives the nearest double to the
// decimal (10.3 rather than 103 x 0.1).
double StepsPer(LengthUnit /*unit*/) {
  return 1;
}

double StepsPer(SpeedUnit unit) {
  switch (unit) {
    case SpeedUnit::KilometresPerHour:
      return 1;
    case SpeedUnit::Knots:
    case SpeedUnit::MetresPerSecond:
    case SpeedUnit::MilesPerHour:
      return 10;
  }
  return 10;
}

}  // namespace

double RoundedFeet(double feet, LengthUnit unit) {
  const double steps = StepsPer(unit);
  return ToFeet(std::round(FromFeet(feet, unit) * steps) / steps, unit);
}

double RoundedKnots(double knots, SpeedUnit unit) {
  const double steps = StepsPer(unit);
  return ToKnots(std::round(FromKnots(knots, unit) * steps) / steps, unit);
}

double ToFeet(double value, LengthUnit unit) {
  return unit == LengthUnit::Metres ? value / 0.3048 : value;
}

double FromFeet(double feet, LengthUnit unit) {
  return unit == LengthUnit::Metres ? feet * 0.3048 : feet;
}

double ToKnots(double value, SpeedUnit unit) {
  if (unit == SpeedUnit::Knots) return value;
  return value * FeetPerSecond(unit) / model::kFeetPerSecondPerKnot;
}

double FromKnots(double knots, SpeedUnit unit) {
  if (unit == SpeedUnit::Knots) return knots;
  return knots * model::kFeetPerSecondPerKnot / FeetPerSecond(unit);
}

double KnotsToFeetPerSecond(double knots) {
  return knots * model::kFeetPerSecondPerKnot;
}

std::string_view UnitName(LengthUnit unit) {
  return unit == LengthUnit::Metres ? "m" : "ft";
}

std::string_view UnitName(SpeedUnit unit) {
  switch (unit) {
    case SpeedUnit::Knots:
      return "kt";
    case SpeedUnit::KilometresPerHour:
      return "km/h";
    case SpeedUnit::MetresPerSecond:
      return "m/s";
    case SpeedUnit::MilesPerHour:
      return "mph";
  }
  return "kt";
}

std::optional<LengthUnit> LengthUnitNamed(std::string_view name) {
  for (LengthUnit unit : {LengthUnit::Feet, LengthUnit::Metres}) {
    if (UnitName(unit) == name) return unit;
  }
  return std::nullopt;
}

std::optional<SpeedUnit> SpeedUnitNamed(std::string_view name) {
  for (SpeedUnit unit : {SpeedUnit::Knots, SpeedUnit::KilometresPerHour, SpeedUnit::MetresPerSecond,
                         SpeedUnit::MilesPerHour}) {
    if (UnitName(unit) == name) return unit;
  }
  return std::nullopt;
}

}  // namespace tarnwick::load
