#pragma once

#include <vector>

#include "load/load_model.h"

namespace tarnwick::load {

// The track wind as a velocity, ft/s: x along the jump run (a headwind blows towards -x), y to
// its right.
struct WindVelocity {
  double x = 0;
  double y = 0;
};

// One piece of a wind profile: over the altitudes from `low` to `high` (ft msl, low < high) the
// wind runs linearly from `atLow` to `atHigh`. A layer is a piece whose two ends are equal; a
// span between two wind levels is one whose ends differ.
struct WindPiece {
  double low = 0;
  double high = 0;
  WindVelocity atLow;
  WindVelocity atHigh;
};

// A load's winds as pieces over the altitudes from `bottom` to `top` (bottom < top), from the
// bottom up, covering that band without gaps: each wind holds where the load says it does, and
// the highest and lowest winds hold beyond the ends of what the load gives.
std::vector<WindPiece> WindPieces(const Load& load, double bottom, double top);

// The integral over altitude of the track wind from `from` to `to` (ft msl, either order: the
// sign follows the direction of the integral), in ft x ft/s: exact, each piece by the trapezoid,
// which is its exact integral since it is linear. Divided by a sink rate in ft/s it is the
// drift, in ft, of a canopy that comes down through that band.
WindVelocity DriftIntegral(const Load& load, double from, double to);

}  // namespace tarnwick::load
