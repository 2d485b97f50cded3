#pragma once

#include <array>

#include "canvas/canvas.h"
#include "sim/run_host.h"
#include "sim/scenario.h"

namespace tarnwick {

// What a finished run reports. Per-jumper values are indexed by jumper number 1 and 2.
struct RunResult {
  std::array<float, 3> pullDownrange{};   // downrange where each passed below the opening altitude
  std::array<float, 3> pullTime{};        // fall time from its own exit to that moment
  std::array<float, 3> finalDownrange{};  // downrange at the end of the run
  double firstPullSeparation =
      0;           // separation when the first passed below while the other was above
  long steps = 0;  // time steps integrated

  float DeploymentSeparation() const;  // between the two deployment points over the ground
  float LastPullSeparation() const;    // at the end of the run, when the last one pulled
};

enum class RunEnd { Completed, Stopped };

struct RunOutcome {
  RunEnd end = RunEnd::Completed;
  RunResult result;
};

// Integrates both free falls of module.scenario from the exit to both openings.
// `plot` receives the frame, the tracks, the aircraft and the markers and, at the end, the note;
// `results` receives the report. Either may be null (nothing is drawn there). `host` is given
// the yield of every step and the pause and slow-plotting waits; without a host the run never
// yields. When the host asks the run to stop, it returns at once with RunEnd::Stopped and
// draws and reports nothing more.
RunOutcome RunSimulation(Module1& module, Canvas* plot, Canvas* results, RunHost* host);

}  // namespace tarnwick
