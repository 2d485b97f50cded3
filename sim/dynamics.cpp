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
  return AccelerationsAtAngle(airSpeed, verticalSpeed, AirDensity(altitude), dragArea,
                              RelativeWindAngle(airSpeed, verticalSpeed));
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
