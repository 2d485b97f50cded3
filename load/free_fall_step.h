#pragma once

namespace tarnwick::load {

// The speed change of one free-fall step with the air-relative velocity split along the jump
// run (`along`) and across it (`cross`). Drag works on the whole horizontal air speed; its
// horizontal part is shared between the two directions in proportion. With no cross component
// this is the two-jumper step exactly.
struct CrossSpeedChange {
  double alongDecrement = 0;
  double crossDecrement = 0;
  double verticalIncrement = 0;
};
CrossSpeedChange FreeFallStepAcross(double along, double cross, double verticalSpeed,
                                    double altitude, double dragArea);

}  // namespace tarnwick::load
