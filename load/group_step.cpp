#include "load/group_step.h"

#include "load/free_fall_step.h"
#include "sim/constants.h"

namespace tarnwick::load {

using namespace model;

GroupState AtTheDoor(const Load& load, const AircraftMotion& aircraft) {
  GroupState state;
  state.altitude = load.exitAltitude;
  state.airSpeed = aircraft.alongAirSpeed;
  state.crossAirSpeed = aircraft.crossAirSpeed;
  state.groundSpeed = static_cast<float>(aircraft.groundSpeed);
  return state;
}

void StepGroup(GroupState& g, const WindProfile& winds, const Group& group, double dragArea,
               const AircraftMotion& aircraft, bool aboard) {
  CrossSpeedChange change;
  if (g.altitude < group.openingAltitude) {
    const TrackWind wind = winds.At(g.altitude, g.windHint);
    g.verticalSpeed = kCanopySinkRate;
    g.groundSpeed = static_cast<float>(-wind.headwind);
    g.crossGroundSpeed = static_cast<float>(wind.cross);
  } else if (aboard) {
    g.airSpeed = aircraft.alongAirSpeed;
    g.crossAirSpeed = aircraft.crossAirSpeed;
    g.groundSpeed = static_cast<float>(aircraft.groundSpeed);
    g.crossGroundSpeed = 0;
    g.verticalSpeed = 0;
  } else {
    change = FreeFallStepAcross(g.airSpeed, g.crossAirSpeed, g.verticalSpeed, g.altitude, dragArea);
    g.verticalSpeed = g.verticalSpeed + change.verticalIncrement;
  }
  g.groundSpeed = static_cast<float>(g.groundSpeed - change.alongDecrement);
  g.crossGroundSpeed = static_cast<float>(g.crossGroundSpeed - change.crossDecrement);

  // Ground speed carries across a layer's base; the speed through the air jumps.
  const TrackWind wind = winds.At(g.altitude, g.windHint);
  g.airSpeed = g.groundSpeed + wind.headwind;
  g.crossAirSpeed = g.crossGroundSpeed - wind.cross;

  g.altitude = g.altitude - g.verticalSpeed * kTimeStep;
  g.downrange = static_cast<float>(g.groundSpeed * kTimeStep + g.downrange);
  g.crossrange = static_cast<float>(g.crossGroundSpeed * kTimeStep + g.crossrange);
}

}  // namespace tarnwick::load
