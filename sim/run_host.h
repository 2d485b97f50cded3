#pragma once

namespace tarnwick {

// What a run needs from whoever hosts it: the windows let their event loop run, the headless
// modes do nothing. Keeps the integration free of any toolkit.
class RunHost {
 public:
  virtual ~RunHost() = default;
  // Process the pending events once and return.
  virtual void Yield() = 0;
  // Called again and again while the run is paused; may block until an event arrives.
  virtual void WaitWhilePaused() = 0;
  // The fixed per-step delay of slow plotting, during which events keep being processed.
  virtual void SlowPlottingDelay() = 0;
  // True once the run must end at once without drawing or reporting anything more
  // (the program is ending, or a newer Go supersedes the run).
  virtual bool ShouldStop() const = 0;
};

}  // namespace tarnwick
