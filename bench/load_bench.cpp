// Whole-load planning on one core: an 8-group load flown with all 28 pairs beside the calls its
// free-fall steps must make, its spot, the recommended delays for its 7 gaps, and the best of
// its 40,320 exit orders, without and with the spot (and of a 10-group load's 3,628,800). The same
// load under 40 interpolated wind levels, flown beside its three layers (the interpolation may cost
// at most a fifth more), and a 40-level forecast imported into it and the load planned again, as an
// import in the window does before its pictures.
#include <benchmark/benchmark.h>

#include <cmath>
#include <stdexcept>
#include <string>

#include "load/load_flight.h"
#include "load/load_outcome.h"
#include "load/load_plan.h"
#include "winds/load_winds.h"
#include "winds/wind_import.h"

namespace {

using namespace tarnwick::load;
namespace winds = tarnwick::winds;

// A load like the benchmark's, with `count` groups: slow and fast alternating irregularly, their
// openings from 3000 to 5500 ft.
Load GroupsOf(int count) {
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
  for (int k = 0; k < count; ++k) {
    Group group;
    group.name = "Group " + std::to_string(k + 1);
    group.fallRate.kind = kinds[k % 8];
    group.openingAltitude = openings[k % 8] + (k / 8) * 250;
    group.delay = k == 0 ? 0 : 8;
    load.groups.push_back(group);
  }
  return load;
}

Load EightGroups() {
  return GroupsOf(8);
}

// A forecast response of 40 pressure levels, every 400 ft from 500 ft up, as the API writes it.
std::string FortyLevelResponse() {
  std::string units, hourly;
  for (int k = 0; k < 40; ++k) {
    const std::string level = std::to_string(1000 - k * 10) + "hPa";
    const double metres = (500 + 400 * k) * 0.3048;
    units += ",\"wind_speed_" + level + "\":\"kn\",\"wind_direction_" + level +
             "\":\"\u00b0\",\"geopotential_height_" + level + "\":\"m\"";
    hourly += ",\"wind_speed_" + level + "\":[" + std::to_string(5 + k) + "]" +
              ",\"wind_direction_" + level + "\":[" + std::to_string(200 + 2 * k) + "]" +
              ",\"geopotential_height_" + level + "\":[" + std::to_string(metres) + "]";
  }
  return "{\"latitude\":39.57,\"longitude\":-104.85,\"utc_offset_seconds\":0,"
         "\"timezone\":\"GMT\",\"elevation\":0,\"hourly_units\":{\"time\":\"iso8601\"" +
         units + "},\"hourly\":{\"time\":[\"2026-06-13T15:00\"]" + hourly + "}}";
}

Load EightGroupsUnderFortyLevels() {
  const winds::WindImport imported = winds::ImportWinds(FortyLevelResponse(), {});
  if (!imported.winds) throw std::runtime_error(imported.error);
  winds::LoadWithLevels replaced = winds::WithWindLevels(EightGroups(), *imported.winds);
  if (!replaced.load) throw std::runtime_error(replaced.error);
  return *replaced.load;
}

void BM_FlyEightGroups(benchmark::State& state) {
  const Load load = EightGroups();
  for (auto _ : state) benchmark::DoNotOptimize(FlyLoad(load));
}
BENCHMARK(BM_FlyEightGroups)->Unit(benchmark::kMillisecond);

// The group-steps of a flight in which a group falls: from its exit step to its opening step.
long FallingGroupSteps(const LoadFlight& flight) {
  long steps = 0;
  for (const GroupResult& group : flight.groups) steps += group.openingStep - group.exitStep + 1;
  return steps;
}

// What the flight above cannot do without: the calls of its bit-faithful free-fall steps, one
// exponential (the air density) and two each of arctangent, cosine and sine (the drag's angle
// now and predicted) for every falling group-step, on arguments that change from call to call
// as a fall's do. The flight should cost at most 1.3 times this.
void BM_FreeFallCallsOfEightGroups(benchmark::State& state) {
  const long groupSteps = FallingGroupSteps(FlyLoad(EightGroups()));
  for (auto _ : state) {
    double sum = 0;
    for (long i = 0; i < groupSteps; ++i) {
      const double altitude = 14000 - static_cast<double>(i % 1100) * 10;
      const double horizontal = 150 - static_cast<double>(i % 97);
      const double vertical = 20 + static_cast<double>(i % 113) * 1.5;
      benchmark::DoNotOptimize(horizontal);
      const double density = std::exp(-(altitude * 3.06e-05));
      const double now = std::atan(horizontal / vertical);
      const double predicted = std::atan((horizontal - 0.5) / (vertical + 0.3));
      sum += density * (std::cos(now) + std::sin(now) + std::cos(predicted) + std::sin(predicted));
    }
    benchmark::DoNotOptimize(sum);
  }
  state.counters["groupSteps"] = static_cast<double>(groupSteps);
  state.counters["perGroupStep"] = benchmark::Counter(
      static_cast<double>(groupSteps),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FreeFallCallsOfEightGroups)->Unit(benchmark::kMillisecond);

// The spot of the flown load: what it adds to the flight.
void BM_SpotOfEightGroups(benchmark::State& state) {
  const Load load = EightGroups();
  const LoadFlight flight = FlyLoad(load);
  for (auto _ : state) benchmark::DoNotOptimize(MakeSpot(load, flight));
}
BENCHMARK(BM_SpotOfEightGroups)->Unit(benchmark::kMillisecond);

void BM_FlyEightGroupsUnderFortyLevels(benchmark::State& state) {
  const Load load = EightGroupsUnderFortyLevels();
  for (auto _ : state) benchmark::DoNotOptimize(FlyLoad(load));
}
BENCHMARK(BM_FlyEightGroupsUnderFortyLevels)->Unit(benchmark::kMillisecond);

void BM_ImportFortyLevelsAndPlanAgain(benchmark::State& state) {
  const Load load = EightGroups();
  const std::string text = FortyLevelResponse();
  LoadRequest request;
  request.flight.trackEvery = 10;  // with the tracks the pictures draw
  for (auto _ : state) {
    const winds::WindImport imported = winds::ImportWinds(text, {});
    const winds::LoadWithLevels replaced = winds::WithWindLevels(load, *imported.winds);
    benchmark::DoNotOptimize(PlanLoad(*replaced.load, request));
  }
}
BENCHMARK(BM_ImportFortyLevelsAndPlanAgain)->Unit(benchmark::kMillisecond);

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

// The best order with every group back to the landing area, as --best-order --spot asks it.
void BestOrderWithSpot(benchmark::State& state, int count) {
  const Load load = GroupsOf(count);
  LoadRequest request;
  request.bestOrder = true;
  request.spot = true;
  for (auto _ : state) benchmark::DoNotOptimize(PlanLoad(load, request));
}
void BM_BestOrderWithSpotOfEight(benchmark::State& state) {
  BestOrderWithSpot(state, 8);
}
BENCHMARK(BM_BestOrderWithSpotOfEight)->Unit(benchmark::kMillisecond)->Iterations(1);
void BM_BestOrderWithSpotOfTen(benchmark::State& state) {
  BestOrderWithSpot(state, 10);
}
BENCHMARK(BM_BestOrderWithSpotOfTen)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
