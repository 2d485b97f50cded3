#pragma once

#include "load/load_model.h"
#include "sim/scenario.h"

namespace tarnwick::load::testing {

// The two-jumper scenario as a load: two groups of the fixed classes, exit 14000 ft, opening
// 3000 ft, the upper and lower winds as two layers split at the wind change altitude.
inline Load LoadOfScenario(const Scenario& s) {
  Load load;
  load.indicatedAirspeed = s.ias;
  WindLayer upper;
  upper.above = s.windChangeAltitude;
  upper.wind = Headwind{static_cast<double>(s.upperWind) * s.upperWindSign};
  WindLayer lower;
  lower.wind = Headwind{static_cast<double>(s.lowerWind) * s.lowerWindSign};
  load.winds = {upper, lower};
  Group first;
  first.name = "first";
  first.fallRate.kind = s.firstSlow != 0 ? FallRate::Kind::Slow : FallRate::Kind::Fast;
  Group second;
  second.name = "second";
  second.fallRate.kind = s.secondSlow != 0 ? FallRate::Kind::Slow : FallRate::Kind::Fast;
  second.delay = s.exitDelay;
  load.groups = {first, second};
  return load;
}

// A load at 80 kt under two headwind layers, kt, split at 6000 ft; no groups.
inline Load UnderTwoHeadwinds(double upper, double lower) {
  Load load;
  load.indicatedAirspeed = 80;
  WindLayer above;
  above.above = 6000;
  above.wind = Headwind{upper};
  WindLayer below;
  below.wind = Headwind{lower};
  load.winds = {above, below};
  return load;
}

inline Group GroupOf(FallRate::Kind kind, float delay, double opening = 3000) {
  Group group;
  group.name = "g";
  group.fallRate.kind = kind;
  group.delay = delay;
  group.openingAltitude = opening;
  return group;
}

}  // namespace tarnwick::load::testing
