#include "load/shifted_flight.h"

#include <algorithm>
#include <cmath>

#include "sim/constants.h"

namespace tarnwick::load {

using model::kTimeStep;

GroupMotion::GroupMotion(const Load& load, const Group& group, const AircraftMotion& aircraft)
    : winds_(load),
      group_(group),
      aircraft_(aircraft),
      dragArea_(DragAreaOf(group.fallRate)),
      state_(AtTheDoor(load, aircraft)) {
  while (state_.altitude >= group_.openingAltitude) Extend(static_cast<long>(along_.size()));
  openingOffset_ = static_cast<long>(along_.size()) - 1;
  // Under canopy it moves with the wind, stored in single precision: a hair more than the
  // fastest wind covers the rounding.
  fastest_ = winds_.FastestWind() * (1 + 1e-6);
  for (std::size_t i = 0; i < along_.size(); ++i) {
    fastest_ = std::max(fastest_, std::hypot(static_cast<double>(along_[i]), cross_[i]));
  }
}

void GroupMotion::Extend(long i) {
  while (static_cast<long>(along_.size()) <= i) {
    StepGroup(state_, winds_, group_, dragArea_, aircraft_, false);
    along_.push_back(state_.groundSpeed);
    cross_.push_back(state_.crossGroundSpeed);
    altitude_.push_back(state_.altitude);
    const double previousAlong = alongSum_.empty() ? 0 : alongSum_.back();
    const double previousCross = crossSum_.empty() ? 0 : crossSum_.back();
    alongSum_.push_back(state_.groundSpeed * kTimeStep + previousAlong);
    crossSum_.push_back(state_.crossGroundSpeed * kTimeStep + previousCross);
    const double previousFarAlong = farthestAlong_.empty() ? 0 : farthestAlong_.back();
    const double previousFarCross = farthestCross_.empty() ? 0 : farthestCross_.back();
    farthestAlong_.push_back(std::max(previousFarAlong, std::fabs(alongSum_.back())));
    farthestCross_.push_back(std::max(previousFarCross, std::fabs(crossSum_.back())));
  }
}

ShiftedFlight::ShiftedFlight(const Load& load) : aircraft_(AircraftMotionOf(load)) {
  motions_.reserve(load.groups.size());
  fastest_ = std::fabs(static_cast<float>(aircraft_.groundSpeed));
  for (const Group& group : load.groups) {
    motions_.emplace_back(load, group, aircraft_);
    fastest_ = std::max(fastest_, motions_.back().FastestSpeed());
  }
  time_.push_back(0);
  aboard_.push_back(0);
}

namespace {

// The spacing of single-precision numbers at magnitudes up to `farthest`: twice the most
// that storing one position can round it by.
double SpacingUpTo(double farthest) {
  if (farthest == 0) return 0;
  return std::ldexp(1.0, std::ilogb(farthest) + 1 - 24);
}

// Step i after the exit, in single precision as the flight takes it.
void Replay(GroupMotion& motion, long i, Position& p) {
  p.downrange = static_cast<float>(motion.AlongSpeed(i) * kTimeStep + p.downrange);
  p.crossrange = static_cast<float>(motion.CrossSpeed(i) * kTimeStep + p.crossrange);
}

}  // namespace

void ShiftedFlight::ExtendTime(long step) {
  const float speed = static_cast<float>(aircraft_.groundSpeed);
  while (static_cast<long>(time_.size()) <= step + 1) {
    time_.push_back(time_.back() + kTimeStep);
    aboard_.push_back(static_cast<float>(speed * kTimeStep + aboard_.back()));
  }
}

long ShiftedFlight::ExitStep(double exitTime) {
  // A group is aboard while the running time is below its exit time.
  // The running time drifts from step x 0.01 s by far less than a step, so the first step
  // at or after the exit time is found from its neighbourhood.
  const long guess = std::max(0L, static_cast<long>(exitTime * 100));
  ExtendTime(guess + 10);
  long step = guess;
  while (step > 0 && time_[step - 1] >= exitTime) --step;
  while (time_[step] < exitTime) {
    ++step;
    ExtendTime(step + 1);
  }
  return step;
}

double ShiftedFlight::TimeAfter(long step) {
  ExtendTime(step + 1);
  return time_[step + 1];
}

Position ShiftedFlight::AboardAt(long step) {
  ExtendTime(step + 1);
  return {aboard_[step + 1], 0};
}

double ShiftedFlight::StepDrift(long exitStep) {
  ExtendTime(exitStep);
  const double aircraftStep = std::fabs(static_cast<float>(aircraft_.groundSpeed)) * kTimeStep;
  return (fastest_ * kTimeStep + aircraftStep) * (1 + 1e-9) +
         SpacingUpTo(std::fabs(aboard_[exitStep]) + 1) + 1e-9;
}

std::vector<Position> ShiftedFlight::ExactAt(int group, long exitStep,
                                             const std::vector<long>& steps) {
  std::vector<Position> positions;
  positions.reserve(steps.size());
  ExtendTime(exitStep);
  GroupMotion& motion = motions_[group];
  Position p{aboard_[exitStep], 0};
  long done = exitStep;  // steps [exitStep, done) applied to p
  for (long step : steps) {
    if (step < exitStep) {
      positions.push_back(AboardAt(step));
      continue;
    }
    for (; done <= step; ++done) Replay(motion, done - exitStep, p);
    positions.push_back(p);
  }
  return positions;
}

void ShiftedFlight::ExtendExact(int group, long exitStep, long step, std::vector<Position>& track) {
  ExtendTime(exitStep);
  GroupMotion& motion = motions_[group];
  Position p = track.empty() ? Position{aboard_[exitStep], 0} : track.back();
  for (long done = exitStep + static_cast<long>(track.size()); done <= step; ++done) {
    Replay(motion, done - exitStep, p);
    track.push_back(p);
  }
}

Position ShiftedFlight::ApproxAt(int group, long exitStep, long step, double* along,
                                 double* cross) {
  if (step < exitStep) {
    const Position p = AboardAt(step);
    *along = p.downrange;
    *cross = 0;
    return p;
  }
  ExtendTime(exitStep);
  GroupMotion& motion = motions_[group];
  *along = aboard_[exitStep] + motion.AlongTravel(step - exitStep);
  *cross = motion.CrossTravel(step - exitStep);
  return {static_cast<float>(*along), static_cast<float>(*cross)};
}

double ShiftedFlight::ShiftError(int group, long exitStep, long step) {
  if (step < exitStep) return 0;
  ExtendTime(exitStep);
  GroupMotion& motion = motions_[group];
  const long i = step - exitStep;
  // Each single-precision step rounds the position once, by at most half the spacing at its
  // magnitude, which the exit point plus the farthest travel bounds; the double-precision sums
  // add far less, which the extra foot covers.
  const double along = SpacingUpTo(std::fabs(aboard_[exitStep]) + motion.FarthestAlong(i) + 1);
  const double cross = SpacingUpTo(motion.FarthestCross(i) + 1);
  return static_cast<double>(i + 1) * (along + cross) + 1e-6;
}

}  // namespace tarnwick::load
