#pragma once

#include <vector>

#include "load/free_fall_step.h"
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

// StepGroup for every group of a load, one step at a time, bit for bit, with the free-fall
// steps of all falling groups made together (FreeFallStepsAcross).
class LoadStepper {
 public:
  LoadStepper(const Load& load, const WindProfile& winds, const AircraftMotion& aircraft);
  // `aboard[k]`: whether group k is still aboard.
  void Step(std::vector<GroupState>& states, const std::vector<char>& aboard);

 private:
  const Load& load_;
  const WindProfile& winds_;
  AircraftMotion aircraft_;
  std::vector<double> dragAreas_;
  GroupState door_;  // a group that has stayed aboard since the first step
  // The falling groups of a step and their changes, kept from step to step.
  std::vector<FreeFallState> falling_;
  std::vector<CrossSpeedChange> changes_;
  std::vector<std::size_t> fallingGroups_;
};

}  // namespace tarnwick::load
