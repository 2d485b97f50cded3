// Whole-load planning on one core: an 8-group load flown with all 28 pairs, the recommended
// delays for its 7 gaps, and the best of its 40,320 exit orders.
#include <benchmark/benchmark.h>

#include "load/load_flight.h"
#include "load/load_plan.h"

namespace {

using namespace tarnwick::load;

Load EightGroups() {
  Load load;
  load.indicatedAirspeed = 85;
  load.jumpRunHeading = 270;
  WindLayer top;
  top.above = 9000;
  top.wind = DirectedWind{30, 250};
  WindLayer middle;
  middle.above = 4000;
  middle.wind = Headwind{15};
  WindLayer ground;
  ground.wind = Headwind{5};
  load.winds = {top, middle, ground};
  const FallRate::Kind kinds[] = {FallRate::Kind::Slow, FallRate::Kind::Slow, FallRate::Kind::Fast,
                                  FallRate::Kind::Slow, FallRate::Kind::Fast, FallRate::Kind::Slow,
                                  FallRate::Kind::Fast, FallRate::Kind::Slow};
  const double openings[] = {3000, 3500, 3000, 4000, 3000, 5000, 3000, 5500};
  for (int k = 0; k < 8; ++k) {
    Group group;
    group.name = "Group " + std::to_string(k + 1);
    group.fallRate.kind = kinds[k];
    group.openingAltitude = openings[k];
    group.delay = k == 0 ? 0 : 8;
    load.groups.push_back(group);
  }
  return load;
}

void BM_FlyEightGroups(benchmark::State& state) {
  const Load load = EightGroups();
  for (auto _ : state) benchmark::DoNotOptimize(FlyLoad(load));
}
BENCHMARK(BM_FlyEightGroups)->Unit(benchmark::kMillisecond);

void BM_RecommendSevenGaps(benchmark::State& state) {
  const Load load = EightGroups();
  for (auto _ : state) benchmark::DoNotOptimize(RecommendDelays(load));
}
BENCHMARK(BM_RecommendSevenGaps)->Unit(benchmark::kMillisecond);

void BM_BestOrderOfEight(benchmark::State& state) {
  const Load load = EightGroups();
  for (auto _ : state) benchmark::DoNotOptimize(FindBestOrder(load));
}
BENCHMARK(BM_BestOrderOfEight)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
