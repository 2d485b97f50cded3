#include "sim/dynamics.h"

#include <cmath>

#include "sim/constants.h"

namespace tarnwick {

using namespace model;

double AirDensity(double altitude) {
  return kSeaLevelDensity * std::exp(-(altitude * kDensityDecay));
}

namespace {

SpeedChange AccelerationsInAir(double airSpeed, double verticalSpeed, double density,
                               double dragArea) {
  // Angle of the relative wind from the vertical. Level flight is taken as a right angle
  // whichever way the jumper moves; the model's pi makes its cosine a hair above zero.
  const double angle = verticalSpeed != 0 ? std::atan(airSpeed / verticalSpeed) : kPi / 2;
  const double speedSquared = airSpeed * airSpeed + verticalSpeed * verticalSpeed;
  const double drag = speedSquared * kHalf * density * dragArea;  // pounds
  const double verticalDrag = drag * std::cos(angle);
  const double horizontalDrag = drag * std::sin(angle);
  const double verticalAcceleration = kGravity - (verticalDrag * kGravity / kJumperWeight);
  const double horizontalDeceleration = horizontalDrag * kGravity / kJumperWeight;
  return {horizontalDeceleration * kTimeStep, verticalAcceleration * kTimeStep};
}

}  // namespace

SpeedChange JumperAccelerations(double airSpeed, double verticalSpeed, double altitude,
                                double dragArea) {
  return AccelerationsInAir(airSpeed, verticalSpeed, AirDensity(altitude), dragArea);
}

SpeedChange FreeFallStep(double airSpeed, double verticalSpeed, double altitude, double dragArea) {
  // Both evaluations are at the altitude of the start of the step, so they share its density.
  const double density = AirDensity(altitude);
  const SpeedChange now = AccelerationsInAir(airSpeed, verticalSpeed, density, dragArea);
  const SpeedChange predicted = AccelerationsInAir(
      airSpeed - now.horizontalDecrement, verticalSpeed + now.verticalIncrement, density, dragArea);
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
