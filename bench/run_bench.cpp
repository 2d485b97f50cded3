// One whole run of the longest scenario: exit delay 30, a fast faller then a slow one, under
// the default winds (80 knots, 20 knots headwind above 6000 ft, calm below): 9,547 steps.
#include <benchmark/benchmark.h>

#include "canvas/canvas.h"
#include "sim/simulation.h"

namespace tarnwick {
namespace {

Module1 LongestRun() {
  Module1 module;
  Scenario& s = module.scenario;
  s.ias = 80;
  s.upperWind = 20;
  s.upperWindSign = 1;
  s.lowerWind = 0;
  s.lowerWindSign = 1;
  s.windChangeAltitude = 6000;
  s.exitDelay = 30;
  s.firstSlow = 0;
  s.secondSlow = 1;
  return module;
}

void BM_LongestRunWithoutDrawing(benchmark::State& state) {
  Module1 module = LongestRun();
  long steps = 0;
  for (auto _ : state) {
    const RunOutcome outcome = RunSimulation(module, nullptr, nullptr, nullptr);
    steps = outcome.result.steps;
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["steps"] = static_cast<double>(steps);
}
BENCHMARK(BM_LongestRunWithoutDrawing)->Unit(benchmark::kMillisecond);

// Drawing into a canvas that no window shows: the cost of recording every figure.
void BM_LongestRunDrawingIntoCanvas(benchmark::State& state) {
  Module1 module = LongestRun();
  Canvas plot;
  Canvas results;
  plot.SetUserScale(-6100, 15000, 12200, -13500);
  for (auto _ : state) {
    const RunOutcome outcome = RunSimulation(module, &plot, &results, nullptr);
    benchmark::DoNotOptimize(outcome);
  }
  state.counters["figures"] = static_cast<double>(plot.Figures().size());
}
BENCHMARK(BM_LongestRunDrawingIntoCanvas)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick
