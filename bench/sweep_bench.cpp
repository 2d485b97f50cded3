// The planner's sweep of 301 exit delays (0 to 30 s in steps of 0.1 s), the work behind
// --recommend-delay and a typical --sweep, serially and on every core. Wall-clock time is what
// a user waits for, so it is measured in real time; the median of the repetitions is the figure
// to quote.
#include <benchmark/benchmark.h>

#include <sstream>

#include "entry/scenario_setup.h"
#include "planner/recommendation.h"
#include "planner/sweep.h"
#include "planner/sweep_csv.h"

namespace tarnwick {
namespace {

PrepareForValue DesignScenarioWithDelay() {
  return [](const std::string& delay) {
    ScenarioOptions options;
    options.exitDelay = delay;
    PreparedRun run;
    run.scenario = PrepareScenario("", options, [&run] { ++run.warnings; });
    return run;
  };
}

void BM_Sweep301ExitDelays(benchmark::State& state) {
  const SweepRange grid = ExitDelayGrid();
  const unsigned threads =
      state.range(0) == 0 ? DefaultSweepThreads() : static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    std::ostringstream csv;
    WriteSweepCsv(csv, grid, RunSweep(grid, DesignScenarioWithDelay(), threads));
    benchmark::DoNotOptimize(csv.str());
  }
  state.counters["threads"] = threads;
  state.counters["runs"] = benchmark::Counter(
      static_cast<double>(grid.Count()) * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
}
// 1: one thread; 0: every core, as the command line runs it.
BENCHMARK(BM_Sweep301ExitDelays)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_RecommendDelay(benchmark::State& state) {
  const SweepRange grid = ExitDelayGrid();
  for (auto _ : state) {
    const auto rows = RunSweep(grid, DesignScenarioWithDelay());
    benchmark::DoNotOptimize(RecommendExitDelay(rows, 1000));
  }
}
BENCHMARK(BM_RecommendDelay)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tarnwick
