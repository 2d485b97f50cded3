#pragma once

#include <vector>

#include "load/group_step.h"
#include "load/load_model.h"
#include "load/separations.h"

namespace tarnwick::load {

// A group's motion after its exit does not depend on when it left: its speeds and altitude,
// step by step from the door, are the same whatever its exit step; only its starting point and
// the single-precision rounding of its positions differ. This is that motion, computed once.
class GroupMotion {
 public:
  GroupMotion(const Load& load, const Group& group, const AircraftMotion& aircraft);
  // Steps from the exit step up to and including the one in which it opens.
  long OpeningOffset() const { return openingOffset_; }
  // The fastest it moves over the ground, ft/s, at any step: in free fall, or under canopy with
  // the fastest wind.
  double FastestSpeed() const { return fastest_; }
  float AlongSpeed(long i) {
    Extend(i);
    return along_[i];
  }
  float CrossSpeed(long i) {
    Extend(i);
    return cross_[i];
  }
  // Where it is after `i + 1` steps from its exit, relative to its exit point, in double
  // precision: an approximation of the single-precision position within ShiftError().
  double AlongTravel(long i) {
    Extend(i);
    return alongSum_[i];
  }
  double CrossTravel(long i) {
    Extend(i);
    return crossSum_[i];
  }
  // The farthest it has gone from its exit point along and across the track within its
  // first `i + 1` steps.
  double FarthestAlong(long i) {
    Extend(i);
    return farthestAlong_[i];
  }
  double FarthestCross(long i) {
    Extend(i);
    return farthestCross_[i];
  }
  // Its altitude at the end of step i from its exit.
  double Altitude(long i) {
    Extend(i);
    return altitude_[i];
  }

 private:
  void Extend(long i);
  WindProfile winds_;
  const Group& group_;
  AircraftMotion aircraft_;
  double dragArea_;
  GroupState state_;
  long openingOffset_ = 0;
  double fastest_ = 0;
  std::vector<float> along_, cross_;
  std::vector<double> alongSum_, crossSum_, altitude_, farthestAlong_, farthestCross_;
};

// The running time, the aircraft's path and the groups' motions of one load, shared by every
// order and delay that the planner tries. Exact positions come from replaying a motion from
// the exact exit point in single precision, as the flight itself computes them.
class ShiftedFlight {
 public:
  explicit ShiftedFlight(const Load& load);
  // The first step at which a group with this exit time falls.
  long ExitStep(double exitTime);
  double TimeAfter(long step);   // the running time after `step + 1` steps
  Position AboardAt(long step);  // a group still aboard, at the end of `step`
  GroupMotion& Motion(int group) { return motions_[group]; }

  // Exact position of `group`, exited at `exitStep`, at the end of each step of `steps`
  // (ascending).
  std::vector<Position> ExactAt(int group, long exitStep, const std::vector<long>& steps);
  // Extends `track`, the exact positions of `group` exited at `exitStep` at the end of each
  // step from `exitStep` on, up to the end of `step`, as ExactAt finds them.
  void ExtendExact(int group, long exitStep, long step, std::vector<Position>& track);
  // The approximate position and its error bound.
  Position ApproxAt(int group, long exitStep, long step, double* along, double* cross);
  // A bound on how far the approximate position of `group` at the end of `step` can lie from
  // the exact one.
  double ShiftError(int group, long exitStep, long step);
  // The most that one step earlier of a group's exit, at `exitStep` or before, can move any of
  // the approximate distances the planner screens: its own travel and the aircraft's in one
  // step, and the rounding of the aboard position.
  double StepDrift(long exitStep);

 private:
  void ExtendTime(long step);
  AircraftMotion aircraft_;
  std::vector<GroupMotion> motions_;
  double fastest_ = 0;         // any group's or the aircraft's fastest speed over the ground, ft/s
  std::vector<double> time_;   // time_[s]: the running time at the start of step s
  std::vector<float> aboard_;  // aboard_[s]: the aboard position at the start of step s
};

}  // namespace tarnwick::load
