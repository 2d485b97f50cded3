#include "load/free_fall_step.h"

#include <algorithm>
#include <cmath>

#include "sim/constants.h"
#include "sim/dynamics.h"

namespace tarnwick::load {
namespace {

using model::kHalf;

// Groups worked on together: a load's groups fit, and the scratch stays on the stack.
constexpr std::size_t kBatch = 32;

// The air speed the drag works on: the along-track one alone when there is no cross component
// (the two-jumper step), else the whole horizontal one.
double HorizontalOf(double along, double cross, bool across) {
  return across ? std::sqrt(along * along + cross * cross) : along;
}

// The drag's horizontal part shared along and across the track in proportion.
CrossSpeedChange Split(const SpeedChange& change, double along, double cross, double horizontal,
                       bool across) {
  if (!across) return {change.horizontalDecrement, 0, change.verticalIncrement};
  if (horizontal == 0) return {0, 0, change.verticalIncrement};
  return {change.horizontalDecrement * (along / horizontal),
          change.horizontalDecrement * (cross / horizontal), change.verticalIncrement};
}

// Up to kBatch groups: the accelerations now, then at the speeds they predict, both at the
// altitude of the start of the step (the two-jumper step's predictor and corrector), each
// stage for every group before the next. The scratch is left uninitialised: every element
// used is written first.
void Batch(const FreeFallState* in, CrossSpeedChange* out, std::size_t n) {
  double density[kBatch], horizontal[kBatch], angle[kBatch];
  double along[kBatch], cross[kBatch], vertical[kBatch];
  double nowAlong[kBatch], nowCross[kBatch], nowVertical[kBatch];
  bool across[kBatch];
  for (std::size_t i = 0; i < n; ++i) {
    across[i] = in[i].cross != 0;
    density[i] = AirDensity(in[i].altitude);
    horizontal[i] = HorizontalOf(in[i].along, in[i].cross, across[i]);
  }
  for (std::size_t i = 0; i < n; ++i) {
    angle[i] = RelativeWindAngle(horizontal[i], in[i].verticalSpeed);
  }
  for (std::size_t i = 0; i < n; ++i) {
    const SpeedChange change = AccelerationsAtAngle(horizontal[i], in[i].verticalSpeed, density[i],
                                                    in[i].dragArea, angle[i]);
    const CrossSpeedChange now = Split(change, in[i].along, in[i].cross, horizontal[i], across[i]);
    nowAlong[i] = now.alongDecrement;
    nowCross[i] = now.crossDecrement;
    nowVertical[i] = now.verticalIncrement;
    along[i] = in[i].along - now.alongDecrement;
    cross[i] = in[i].cross - now.crossDecrement;
    vertical[i] = in[i].verticalSpeed + now.verticalIncrement;
    horizontal[i] = HorizontalOf(along[i], cross[i], across[i]);
  }
  for (std::size_t i = 0; i < n; ++i) angle[i] = RelativeWindAngle(horizontal[i], vertical[i]);
  for (std::size_t i = 0; i < n; ++i) {
    const SpeedChange change =
        AccelerationsAtAngle(horizontal[i], vertical[i], density[i], in[i].dragArea, angle[i]);
    const CrossSpeedChange predicted = Split(change, along[i], cross[i], horizontal[i], across[i]);
    out[i] = {(predicted.alongDecrement + nowAlong[i]) * kHalf,
              (predicted.crossDecrement + nowCross[i]) * kHalf,
              (nowVertical[i] + predicted.verticalIncrement) * kHalf};
  }
}

}  // namespace

void FreeFallStepsAcross(const FreeFallState* states, CrossSpeedChange* changes,
                         std::size_t count) {
  for (std::size_t first = 0; first < count; first += kBatch) {
    Batch(states + first, changes + first, std::min(kBatch, count - first));
  }
}

}  // namespace tarnwick::load
