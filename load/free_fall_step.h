#pragma once

#include <cstddef>

namespace tarnwick::load {

// The speed change of one free-fall step with the air-relative velocity split along the jump
// run (`along`) and across it (`cross`). Drag works on the whole horizontal air speed; its
// horizontal part is shared between the two directions in proportion. With no cross component
// this is the two-jumper step exactly (the run's FreeFallStep).
struct CrossSpeedChange {
  double alongDecrement = 0;
  double crossDecrement = 0;
  double verticalIncrement = 0;
};

// What one group's free-fall step starts from: its speeds through the air, its altitude at the
// start of the step and its drag area.
struct FreeFallState {
  double along = 0;
  double cross = 0;
  double verticalSpeed = 0;
  double altitude = 0;
  double dragArea = 0;
};

// The steps of `count` groups, each as if alone: each of the model's costly calls (the
// density's exponential, the arctangents, the cosines and sines) is made for every group in
// turn rather than one group's after another's, so that the processor overlaps them.
void FreeFallStepsAcross(const FreeFallState* states, CrossSpeedChange* changes, std::size_t count);

}  // namespace tarnwick::load
