#include "sim/dynamics.h"

#include <cmath>

#include "sim/constants.h"

namespace tarnwick {

using namespace model;

double AirDensity(double altitude) {
  return kSeaLevelDensity * std::exp(-(altitude * kDensityDecay));
}

SpeedChange JumperAccelerations(double airSpeed, double verticalSpeed, double altitude,
                                double dragArea) {
  // Angle of the relative wind from the vertical. Level flight is taken as a right angle
  // whichever way the jumper moves; the model's pi makes its cosine a hair above zero.
  const double angle = verticalSpeed != 0 ? std::atan(airSpeed / verticalSpeed) : kPi / 2;
  const double speedSquared = airSpeed * airSpeed + verticalSpeed * verticalSpeed;
  const double drag = speedSquared * kHalf * AirDensity(altitude) * dragArea;  // pounds
  const double verticalDrag = drag * std::cos(angle);
  const double horizontalDrag = drag * std::sin(angle);
  const double verticalAcceleration = kGravity - (verticalDrag * kGravity / kJumperWeight);
  const double horizontalDeceleration = horizontalDrag * kGravity / kJumperWeight;
  return {horizontalDeceleration * kTimeStep, verticalAcceleration * kTimeStep};
}

SpeedChange FreeFallStep(double airSpeed, double verticalSpeed, double altitude, double dragArea) {
  // The prediction is evaluated at the altitude of the start of the step, like the first
  // evaluation: only the speeds are predicted.
  const SpeedChange now = JumperAccelerations(airSpeed, verticalSpeed, altitude, dragArea);
  const SpeedChange predicted =
      JumperAccelerations(airSpeed - now.horizontalDecrement, verticalSpeed + now.verticalIncrement,
                          altitude, dragArea);
  return {(predicted.horizontalDecrement + now.horizontalDecrement) * kHalf,
          (now.verticalIncrement + predicted.verticalIncrement) * kHalf};
}

double TrueAirspeed(float ias) {
  const double densityRatio = AirDensity(0) / AirDensity(kExitAltitude);
  return std::sqrt(densityRatio) * ias * kFeetPerSecondPerKnot;
}

double WindComponent(float windSpeed, std::int16_t sign) {
  return windSpeed * kFeetPerSecondPerKnot * sign;
}

double DragArea(std::int16_t slow) {
  return slow != 0 ? kSlowDragArea : kFastDragArea;
}

StartConditions StartConditionsFor(const Scenario& scenario) {
  return {TrueAirspeed(scenario.ias), WindComponent(scenario.upperWind, scenario.upperWindSign),
          WindComponent(scenario.lowerWind, scenario.lowerWindSign)};
}

}  // namespace tarnwick
