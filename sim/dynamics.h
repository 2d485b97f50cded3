#pragma once

#include <cmath>
#include <cstdint>

#include "sim/constants.h"
#include "sim/scenario.h"

namespace tarnwick {

// Air density in slug per cubic foot at `altitude` feet: an exponential atmosphere.
double AirDensity(double altitude);

// Changes of a jumper's speed over one time step, in ft/s. The horizontal one is a decrement:
// the caller subtracts it from the speed through the air.
struct SpeedChange {
  double horizontalDecrement = 0;
  double verticalIncrement = 0;
};

// Gravity and drag on a jumper of `dragArea` square feet at `altitude`, moving through the air
// at `airSpeed` (horizontal) and `verticalSpeed` (down positive), over one time step.
SpeedChange JumperAccelerations(double airSpeed, double verticalSpeed, double altitude,
                                double dragArea);

// JumperAccelerations in its two parts, for a flight that makes the costly calls of many
// jumpers together (so that the processor overlaps them) and asks for the density of a step's
// altitude once: the angle of the relative wind from the vertical (its one arctangent), and
// the accelerations at that angle in air of `density` slug per cubic foot (its cosine and sine).
// Inline, since a flight asks for them millions of times.
inline double RelativeWindAngle(double airSpeed, double verticalSpeed) {
  // Level flight is taken as a right angle whichever way the jumper moves; the model's pi
  // makes its cosine a hair above zero.
  return verticalSpeed != 0 ? std::atan(airSpeed / verticalSpeed) : model::kPi / 2;
}
inline SpeedChange AccelerationsAtAngle(double airSpeed, double verticalSpeed, double density,
                                        double dragArea, double angle) {
  const double speedSquared = airSpeed * airSpeed + verticalSpeed * verticalSpeed;
  const double drag = speedSquared * model::kHalf * density * dragArea;  // pounds
  const double verticalDrag = drag * std::cos(angle);
  const double horizontalDrag = drag * std::sin(angle);
  const double verticalAcceleration =
      model::kGravity - (verticalDrag * model::kGravity / model::kJumperWeight);
  const double horizontalDeceleration = horizontalDrag * model::kGravity / model::kJumperWeight;
  return {horizontalDeceleration * model::kTimeStep, verticalAcceleration * model::kTimeStep};
}

// The speed change of one free-fall step, the run's only use of JumperAccelerations: the mean
// of the accelerations at the current state and at the state they predict, both at the
// altitude of the start of the step.
SpeedChange FreeFallStep(double airSpeed, double verticalSpeed, double altitude, double dragArea);

// The aircraft's true airspeed at exit altitude, in ft/s, from its indicated airspeed in knots.
double TrueAirspeed(float ias);
// A wind in knots with its direction (+1 headwind, -1 tailwind) as a headwind component in ft/s.
double WindComponent(float windSpeed, std::int16_t sign);
// Drag area in square feet of a slow (nonzero) or fast (zero) faller.
double DragArea(std::int16_t slow);

// What a run computes once from the scenario and keeps for its whole length.
struct StartConditions {
  double trueAirspeed = 0;
  double upperWindComponent = 0;  // above the wind change altitude
  double lowerWindComponent = 0;  // at and below it
};
StartConditions StartConditionsFor(const Scenario& scenario);

}  // namespace tarnwick
