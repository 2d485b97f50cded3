#include "load/group_step.h"

#include "load/free_fall_step.h"
#include "sim/constants.h"

namespace tarnwick::load {

using namespace model;

namespace {

bool FallsFreely(const GroupState& g, const Group& group, bool aboard) {
  return !(g.altitude < group.openingAltitude) && !aboard;
}

FreeFallState FreeFallOf(const GroupState& g, double dragArea) {
  return {g.airSpeed, g.crossAirSpeed, g.verticalSpeed, g.altitude, dragArea};
}

// The rest of the step with its new ground speeds. They are handed over rather than read back
// from the state, which keeps the compiler from packing them through memory.
// `wind` is the wind at the group's altitude at the start of the step.
void Move(GroupState& g, const TrackWind& wind, float groundSpeed, float crossGroundSpeed) {
  g.groundSpeed = groundSpeed;
  g.crossGroundSpeed = crossGroundSpeed;
  // Ground speed carries across a layer's base; the speed through the air jumps.
  g.airSpeed = groundSpeed + wind.headwind;
  g.crossAirSpeed = crossGroundSpeed - wind.cross;

  g.altitude = g.altitude - g.verticalSpeed * kTimeStep;
  g.downrange = static_cast<float>(groundSpeed * kTimeStep + g.downrange);
  g.crossrange = static_cast<float>(crossGroundSpeed * kTimeStep + g.crossrange);
}

void StepAboard(GroupState& g, const WindProfile& winds, const AircraftMotion& aircraft) {
  g.verticalSpeed = 0;
  Move(g, winds.At(g.altitude, g.windHint), static_cast<float>(aircraft.groundSpeed), 0);
}

// A step without drag: under canopy below the opening altitude, else aboard. (Without a
// speed change the ground speeds are the ones set here.)
void StepWithoutDrag(GroupState& g, const WindProfile& winds, const Group& group,
                     const AircraftMotion& aircraft) {
  if (g.altitude < group.openingAltitude) {
    const TrackWind wind = winds.At(g.altitude, g.windHint);
    g.verticalSpeed = kCanopySinkRate;
    Move(g, wind, static_cast<float>(-wind.headwind), static_cast<float>(wind.cross));
    return;
  }
  StepAboard(g, winds, aircraft);
}

void MoveInFreeFall(GroupState& g, const WindProfile& winds, const CrossSpeedChange& change) {
  g.verticalSpeed = g.verticalSpeed + change.verticalIncrement;
  Move(g, winds.At(g.altitude, g.windHint),
       static_cast<float>(g.groundSpeed - change.alongDecrement),
       static_cast<float>(g.crossGroundSpeed - change.crossDecrement));
}

}  // namespace

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
  if (!FallsFreely(g, group, aboard)) {
    StepWithoutDrag(g, winds, group, aircraft);
    return;
  }
  const FreeFallState state = FreeFallOf(g, dragArea);
  CrossSpeedChange change;
  FreeFallStepsAcross(&state, &change, 1);
  MoveInFreeFall(g, winds, change);
}

LoadStepper::LoadStepper(const Load& load, const WindProfile& winds, const AircraftMotion& aircraft)
    : load_(load), winds_(winds), aircraft_(aircraft), door_(AtTheDoor(load, aircraft)) {
  for (const Group& group : load.groups) dragAreas_.push_back(DragAreaOf(group.fallRate));
  falling_.resize(load.groups.size());
  changes_.resize(load.groups.size());
  fallingGroups_.resize(load.groups.size());
}

void LoadStepper::Step(std::vector<GroupState>& states, const std::vector<char>& aboard) {
  // No group's step depends on another's, so the falling ones can wait for their changes.
  // Every group aboard is where the door is: at the door at the start, and since then taken
  // through the same steps. So the door takes the step once, for all of them.
  bool doorStepped = false;
  std::size_t count = 0;
  for (std::size_t k = 0; k < states.size(); ++k) {
    GroupState& g = states[k];
    if (aboard[k] && !(g.altitude < load_.groups[k].openingAltitude)) {
      if (!doorStepped) StepAboard(door_, winds_, aircraft_);
      doorStepped = true;
      g = door_;
      continue;
    }
    if (!FallsFreely(g, load_.groups[k], aboard[k])) {
      StepWithoutDrag(g, winds_, load_.groups[k], aircraft_);
      continue;
    }
    falling_[count] = FreeFallOf(g, dragAreas_[k]);
    fallingGroups_[count++] = k;
  }
  FreeFallStepsAcross(falling_.data(), changes_.data(), count);
  for (std::size_t i = 0; i < count; ++i) {
    MoveInFreeFall(states[fallingGroups_[i]], winds_, changes_[i]);
  }
}

}  // namespace tarnwick::load
