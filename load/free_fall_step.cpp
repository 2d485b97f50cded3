#include "load/free_fall_step.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/dynamics.h"

namespace tarnwick::load {
namespace {

CrossSpeedChange SplitAcross(double along, double cross, double verticalSpeed, double altitude,
                             double dragArea) {
  const double horizontal = std::sqrt(along * along + cross * cross);
  const SpeedChange change = JumperAccelerations(horizontal, verticalSpeed, altitude, dragArea);
  if (horizontal == 0) return {0, 0, change.verticalIncrement};
  return {change.horizontalDecrement * (along / horizontal),
          change.horizontalDecrement * (cross / horizontal), change.verticalIncrement};
}

}  // namespace

CrossSpeedChange FreeFallStepAcross(double along, double cross, double verticalSpeed,
                                    double altitude, double dragArea) {
  if (cross == 0) {
    const SpeedChange change = FreeFallStep(along, verticalSpeed, altitude, dragArea);
    return {change.horizontalDecrement, 0, change.verticalIncrement};
  }
  const CrossSpeedChange now = SplitAcross(along, cross, verticalSpeed, altitude, dragArea);
  const CrossSpeedChange predicted =
      SplitAcross(along - now.alongDecrement, cross - now.crossDecrement,
                  verticalSpeed + now.verticalIncrement, altitude, dragArea);
  return {(predicted.alongDecrement + now.alongDecrement) * model::kHalf,
          (predicted.crossDecrement + now.crossDecrement) * model::kHalf,
          (now.verticalIncrement + predicted.verticalIncrement) * model::kHalf};
}

}  // namespace tarnwick::load
