#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "entry/scenario_setup.h"
#include "planner/sweep_range.h"
#include "sim/scenario.h"
#include "sim/simulation.h"

namespace tarnwick {

// The scenario one swept value runs with, as Go would prepare it from the boxes, how many
// corrections Go had to warn about on the way, and which inputs it changed.
using PreparedRun = PreparedScenario;

// Builds the scenario for the option text of one swept value.
using PrepareForValue = std::function<PreparedRun(const std::string& valueText)>;

struct SweepRow {
  std::size_t index = 0;  // into the range
  PreparedRun run;
  RunResult result;
};

// How many threads a sweep uses by default: every core the machine reports, at least one.
unsigned DefaultSweepThreads();

// Runs the scenario for every value of `range`, each on its own Module1, spread over `threads`
// threads. The scenarios are prepared one after the other on the calling thread, so `prepare`
// need not be thread-safe; the rows come back in value order whatever the thread count, and
// are the same for any thread count because every run is independent.
std::vector<SweepRow> RunSweep(const SweepRange& range, const PrepareForValue& prepare,
                               unsigned threads = DefaultSweepThreads());

// Runs prepared scenarios in parallel, results in the order given.
std::vector<RunResult> RunAll(const std::vector<Scenario>& scenarios,
                              unsigned threads = DefaultSweepThreads());

}  // namespace tarnwick
