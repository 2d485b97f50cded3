#pragma once

#include "sim/run_host.h"

namespace tarnwick {

// Hosts a run inside the windows' event loop: every step lets pending events through, so the
// plot repaints and Pause, edits, Go and Exit act in the middle of a run.
class WindowRunHost : public RunHost {
 public:
  void Yield() override;
  // Sleeps until an event arrives, so a paused run costs no processor time.
  void WaitWhilePaused() override;
  // About a millisecond per step with events still processed, so a slow run takes seconds.
  void SlowPlottingDelay() override;
  bool ShouldStop() const override { return ending_ || superseded_; }

  // A new run begins: forget that the previous one was superseded.
  void BeginRun() { superseded_ = false; }
  // A newer Go wants the running run to make way.
  void Supersede() { superseded_ = true; }
  // The program is ending: every run stops at its next yield, for good.
  void End() { ending_ = true; }

  static constexpr int kSlowPlottingDelayMs = 1;

 private:
  bool superseded_ = false;
  bool ending_ = false;
};

}  // namespace tarnwick
