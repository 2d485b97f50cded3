// The planner searches on shifted trajectories; these check its answers against the
// definitions worked out with a whole exact flight for every candidate delay.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

#include "load/load_flight.h"
#include "load/load_plan.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
using Kind = FallRate::Kind;

// Group k's least separation from the earlier groups with `delay` before it.
double LeastFromEarlier(Load load, std::size_t k, float delay) {
  load.groups.resize(k + 1);
  load.groups[k].delay = delay;
  const LoadFlight flight = FlyLoad(load);
  double least = 1e300;
  for (const PairResult& pair : flight.pairs) {
    if (pair.second == static_cast<int>(k)) least = std::min(least, pair.separation);
  }
  return least;
}

struct BruteGap {
  std::optional<int> tenths;  // empty: unreachable
  std::optional<int> earliestMeeting;
};

// The definition: the shortest grid delay from which every longer one up to 60 s meets the
// target, earlier gaps at their rounded recommendations (60 s when unmet).
std::vector<BruteGap> BruteForce(Load load, int firstTenth) {
  std::vector<BruteGap> gaps(load.groups.size());
  for (std::size_t k = 1; k < load.groups.size(); ++k) {
    std::optional<int> shortfall;
    std::optional<int> earliest;
    for (int n = firstTenth; n <= 600; ++n) {
      const bool meets =
          LeastFromEarlier(load, k, static_cast<float>(n / 10.0)) >= load.targetSeparation;
      if (!meets) shortfall = n;
      if (meets && !earliest) earliest = n;
    }
    gaps[k].earliestMeeting = earliest;
    if (shortfall != 600) gaps[k].tenths = shortfall ? *shortfall + 1 : firstTenth;
    load.groups[k].delay = gaps[k].tenths ? static_cast<float>((*gaps[k].tenths + 9) / 10) : 60;
  }
  return gaps;
}

void ExpectPlanIsBruteForce(const Load& load, int firstTenth) {
  const DelayPlan plan = RecommendDelays(load);
  const std::vector<BruteGap> brute = BruteForce(load, firstTenth);
  for (std::size_t k = 1; k < load.groups.size(); ++k) {
    SCOPED_TRACE("gap before group " + std::to_string(k));
    ASSERT_EQ(plan.gaps[k].reachable, brute[k].tenths.has_value());
    if (!brute[k].tenths) continue;
    EXPECT_EQ(std::lround(*plan.gaps[k].delay * 10), *brute[k].tenths);
    EXPECT_EQ(*plan.gaps[k].roundedDelay, std::ceil(*brute[k].tenths / 10.0));
  }
}

Load Base(double headwind) {
  Load load = testing::UnderTwoHeadwinds(headwind, 5);
  load.minimumDelay = 20;  // keeps the brute force short; the grid above it is searched alike
  return load;
}

TEST(PlanBruteForce, FastThenSlowIntoHeadwindDipsAndRecovers) {
  // A slow group after a fast one into a strong headwind first closes in, then drifts away:
  // some delays below the recommendation meet the target, yet a longer one falls short.
  Load load = Base(40);
  load.minimumDelay = 0;
  load.targetSeparation = 300;
  load.groups = {GroupOf(Kind::Fast, 0), GroupOf(Kind::Slow, 0)};
  const DelayPlan plan = RecommendDelays(load);
  const std::vector<BruteGap> brute = BruteForce(load, 0);
  ASSERT_TRUE(brute[1].tenths && brute[1].earliestMeeting);
  EXPECT_LT(*brute[1].earliestMeeting, *brute[1].tenths) << "the case must dip and recover";
  EXPECT_EQ(std::lround(*plan.gaps[1].delay * 10), *brute[1].tenths);
  ASSERT_TRUE(plan.gaps[1].decidedBy.has_value());
  EXPECT_EQ(*plan.gaps[1].decidedBy, 0);
}

TEST(PlanBruteForce, ThreeGroupsWithOwnOpeningsAndCrosswind) {
  Load load = Base(25);
  load.jumpRunHeading = 270;
  WindLayer top;
  top.above = 9000;
  top.wind = DirectedWind{30, 240};
  load.winds.insert(load.winds.begin(), top);
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Fast, 0, 4000),
                 GroupOf(Kind::Slow, 0, 5500)};
  ExpectPlanIsBruteForce(load, 200);
}

TEST(PlanBruteForce, ThreeGroupsUnderInterpolatedWindLevels) {
  // The shifted flight must ask the same wind profile as the whole flight, or its exact replay
  // of the positions would not be the flight's.
  Load load = Base(0);
  load.winds.clear();
  load.jumpRunHeading = 90;
  load.windLevels = {{13000, DirectedWind{45, 100}},
                     {9000, DirectedWind{30, 60}},
                     {5000, DirectedWind{12, 150}},
                     {1000, Headwind{-4}}};
  load.groups = {GroupOf(Kind::Fast, 0), GroupOf(Kind::Slow, 0, 4500),
                 GroupOf(Kind::Slow, 0, 3500)};
  ExpectPlanIsBruteForce(load, 200);
}

TEST(PlanBruteForce, UnreachableGapNamesTheGroupInTheWay) {
  Load load = Base(0);
  load.targetSeparation = 20000;  // no delay up to 60 s gives that
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Slow, 0)};
  const DelayPlan plan = RecommendDelays(load);
  EXPECT_FALSE(plan.reachable);
  EXPECT_FALSE(plan.totalTime.has_value());
  EXPECT_FALSE(plan.gaps[1].reachable);
  EXPECT_EQ(plan.gaps[1].inTheWay, 0);
  EXPECT_EQ(WithRoundedDelays(load, plan).groups[1].delay, 60.0f);
}

TEST(PlanBruteForce, BestOrderIsTheShortestOverEveryOrder) {
  Load load = Base(30);
  load.minimumDelay = 5;
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Fast, 0), GroupOf(Kind::Slow, 0, 5000)};
  const BestOrder best = FindBestOrder(load);
  std::vector<int> order{0, 1, 2};
  std::optional<double> shortest;
  std::vector<int> expected;
  do {
    const DelayPlan plan = RecommendDelays(Reordered(load, order));
    if (plan.totalTime && (!shortest || *plan.totalTime < *shortest)) {
      shortest = plan.totalTime;
      expected = order;
    }
  } while (std::next_permutation(order.begin(), order.end()));
  ASSERT_TRUE(best.found);
  EXPECT_FALSE(best.heuristic);
  EXPECT_EQ(best.order, expected);
  EXPECT_EQ(best.plan.totalTime, shortest);
}

TEST(PlanBruteForce, MinimumDelayDecidesWhenSeparationIsEasy) {
  Load load = Base(0);
  load.targetSeparation = 100;
  load.minimumDelay = 5;
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Slow, 0)};
  const DelayPlan plan = RecommendDelays(load);
  EXPECT_EQ(plan.gaps[1].delay, 5.0);
  EXPECT_FALSE(plan.gaps[1].decidedBy.has_value());
  EXPECT_EQ(plan.totalTime, 5.0);
}

// The planner replays shifted trajectories; the flight steps every group afresh. Whatever the
// winds, a plan that meets every gap, flown at its called delays by the flight itself, keeps
// every pair at the target: random loads (fixed seed) with layers or levels blowing from any
// side, groups of every fall rate and their own openings.
TEST(PlanBruteForce, EveryPlanFlownAtItsCallsKeepsEveryPairAtTheTarget) {
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> unit(0, 1);
  int flown = 0;
  for (int trial = 0; trial < 120; ++trial) {
    Load load;
    load.indicatedAirspeed = 60 + 60 * unit(random);
    load.jumpRunHeading = 360 * unit(random);
    load.targetSeparation = 600 + 1000 * unit(random);
    load.minimumDelay = 3 + 4 * unit(random);
    if (trial % 2 == 0) {
      for (int l = 0, layers = 1 + static_cast<int>(3 * unit(random)); l < layers; ++l) {
        WindLayer layer;
        if (l + 1 < layers) layer.above = 12000 - l * 4000 + 500 * unit(random);
        layer.wind = DirectedWind{40 * unit(random), 360 * unit(random)};
        load.winds.push_back(layer);
      }
    } else {
      for (int l = 0, levels = 2 + static_cast<int>(6 * unit(random)); l < levels; ++l) {
        WindLevel level;
        level.altitude = 1000 + l * 2000 + 900 * unit(random);
        level.wind = DirectedWind{50 * unit(random), 360 * unit(random)};
        load.windLevels.insert(load.windLevels.begin(), level);
      }
    }
    for (int k = 0, groups = 2 + static_cast<int>(4 * unit(random)); k < groups; ++k) {
      const double kind = unit(random);
      Group group = GroupOf(kind < 0.35  ? Kind::Slow
                            : kind < 0.7 ? Kind::Fast
                                         : Kind::DragArea,
                            0, 2500 + 3500 * unit(random));
      if (group.fallRate.kind == Kind::DragArea) group.fallRate.dragArea = 1.5 + 5 * unit(random);
      load.groups.push_back(group);
    }
    const DelayPlan plan = RecommendDelays(load);
    if (!plan.reachable) continue;
    ++flown;
    for (const PairResult& pair : FlyLoad(WithRoundedDelays(load, plan)).pairs) {
      EXPECT_TRUE(pair.meetsTarget) << "trial " << trial << ", groups " << pair.first << " and "
                                    << pair.second << ": " << pair.separation << " ft";
    }
  }
  EXPECT_GT(flown, 90);
}

}  // namespace
}  // namespace tarnwick::load
