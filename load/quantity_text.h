#pragma once

#include <string>

#include "load/units.h"

namespace tarnwick::load {

// Every quantity a person reads about a load (the text table, the window, the briefing sheet,
// the warnings) is written here, each kind with its one rounding rule and unit name. Values
// come in the load's own units (ft, kt, s, degrees, square feet) and are shown in the display
// units of a load's `Units`.
enum class Quantity {
  Distance,   // whole ft or m: separations, places over the ground, the target
  Altitude,   // whole ft or m msl
  Speed,      // whole kt, km/h, m/s or mph
  Time,       // s with one decimal: exit and fall times
  Delay,      // s with one decimal: a delay as given or planned
  Call,       // whole s, a fraction rounded up: the delay a jumpmaster calls (CalledSeconds)
  Direction,  // whole degrees
  DragArea,   // square feet with one decimal
};

// A quantity as shown: its value in the display unit at full precision (what the result JSON
// writes) and its text by the quantity's rule.
struct ShownQuantity {
  double value = 0;
  std::string number;  // "914", "9.7"
  std::string text;    // the number and its unit: "914 m", "9.7 s"
};

ShownQuantity Show(Quantity quantity, double value, const Units& units);
// The unit name a quantity is shown in: "ft", "m", "km/h", "s", "deg", "sq ft".
std::string UnitOf(Quantity quantity, const Units& units);
// Show(quantity, value, units).text.
std::string QuantityText(Quantity quantity, double value, const Units& units);

// The delay a jumpmaster calls for a gap: whole seconds, a fraction rounded up as the planner
// rounds its recommendations; a delay whole within single precision is called as it is.
int CalledSeconds(double delay);

// A light's distance from the point of the jump run abeam the landing area as the pilot and
// the jumpmaster call it, whatever the load's units (pilots fly nautical miles, the ground
// crew thinks in metres): nautical miles with two decimals and metres to the nearest 10 m,
// "0.35 NM (650 m)". No sign: the caller says before or after.
std::string CalledDistanceText(double feet);

// `value` with `decimals` digits after the point: the shortest decimal that reads back as the
// same double (the number the result JSON writes), rounded half away from zero; "-" only for
// a value that stays negative, so never "-0". Locale-independent.
std::string RoundedText(double value, int decimals);

}  // namespace tarnwick::load
