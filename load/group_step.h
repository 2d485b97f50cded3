#pragma once

#include "load/load_model.h"
#include "load/separations.h"
#include "load/wind_profile.h"

namespace tarnwick::load {

// What a flight keeps of one group. Positions and ground speeds are single precision, as in
// the two-jumper run.
struct GroupState {
  double altitude = 0;
  float downrange = 0;
  float crossrange = 0;
  float groundSpeed = 0;
  float crossGroundSpeed = 0;
  double airSpeed = 0;
  double crossAirSpeed = 0;
  double verticalSpeed = 0;
  bool pulled = false;
  WindProfile::Hint windHint = 0;  // where its last wind lookup ended
};

// A group at the door: at exit altitude with the aircraft's speeds.
GroupState AtTheDoor(const Load& load, const AircraftMotion& aircraft);

// One group's turn in one step: under canopy below its opening altitude, else aboard while
// `aboard`, else free fall; then the move with the new speeds, in the winds of the load's
// profile at the altitude at the start of the step.
void StepGroup(GroupState& g, const WindProfile& winds, const Group& group, double dragArea,
               const AircraftMotion& aircraft, bool aboard);

}  // namespace tarnwick::load
