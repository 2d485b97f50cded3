// Runs must give bit-identical results whatever else runs beside them and in whatever order:
// the sweep runs scenarios on every core, and a jumpmaster comparing two answers must never see
// them differ because of scheduling.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <random>
#include <thread>
#include <vector>

#include "sim/simulation.h"

namespace tarnwick {
namespace {

// A scenario inside the ranges Go leaves: airspeed 0..200, upper wind up to min(100, ias+35),
// lower wind 0..50, wind change 0..13000, delay 0..30, either fall rate, either direction.
Scenario RandomValidScenario(std::mt19937& random) {
  auto uniform = [&random](float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(random);
  };
  auto coin = [&random] { return std::bernoulli_distribution(0.5)(random); };
  Scenario s;
  s.ias = uniform(0, 200);
  s.upperWind = uniform(0, std::min(100.0f, s.ias + 35));
  s.lowerWind = uniform(0, 50);
  s.windChangeAltitude = uniform(0, 13000);
  s.exitDelay = coin() ? 0.0f : uniform(0, 30);
  s.upperWindSign = coin() ? 1 : -1;
  s.lowerWindSign = coin() ? 1 : -1;
  s.firstSlow = coin() ? kTrue : kFalse;
  s.secondSlow = coin() ? 1 : 0;
  return s;
}

RunResult RunAlone(const Scenario& scenario) {
  Module1 module;
  module.scenario = scenario;
  return RunSimulation(module, nullptr, nullptr, nullptr).result;
}

bool BitIdentical(const RunResult& a, const RunResult& b) {
  return std::memcmp(a.pullDownrange.data(), b.pullDownrange.data(), sizeof a.pullDownrange) == 0 &&
         std::memcmp(a.pullTime.data(), b.pullTime.data(), sizeof a.pullTime) == 0 &&
         std::memcmp(a.finalDownrange.data(), b.finalDownrange.data(), sizeof a.finalDownrange) ==
             0 &&
         std::memcmp(&a.firstPullSeparation, &b.firstPullSeparation, sizeof(double)) == 0 &&
         a.steps == b.steps;
}

TEST(Determinism, ManyScenariosOnSeveralThreadsMatchSingleRuns) {
  constexpr int kScenarios = 1000;
  std::mt19937 random(20261207);
  std::vector<Scenario> scenarios;
  for (int i = 0; i < kScenarios; ++i) scenarios.push_back(RandomValidScenario(random));

  std::vector<RunResult> alone;
  for (const Scenario& s : scenarios) alone.push_back(RunAlone(s));

  // The same scenarios again, shuffled, shared out to four threads, each reusing one Module1
  // across its runs as the windows do.
  std::vector<int> order(kScenarios);
  for (int i = 0; i < kScenarios; ++i) order[i] = i;
  std::shuffle(order.begin(), order.end(), random);
  std::vector<RunResult> together(kScenarios);
  std::atomic<int> next{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      Module1 module;
      for (int k = next++; k < kScenarios; k = next++) {
        module.scenario = scenarios[order[k]];
        together[order[k]] = RunSimulation(module, nullptr, nullptr, nullptr).result;
      }
    });
  }
  for (std::thread& t : threads) t.join();

  int differing = 0;
  for (int i = 0; i < kScenarios; ++i) {
    if (!BitIdentical(alone[i], together[i])) ++differing;
  }
  EXPECT_EQ(differing, 0);
  // Every run ended with both jumpers open and finite numbers.
  for (const RunResult& r : alone) {
    EXPECT_GT(r.pullTime[1], 0);
    EXPECT_GT(r.pullTime[2], 0);
  }
}

}  // namespace
}  // namespace tarnwick
