#pragma once

#include <cstdint>

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
