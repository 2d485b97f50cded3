// The best order with the spot in play, against its definition worked out the long way: every
// permutation planned with RecommendDelays, flown at its calls and given its spot by MakeSpot.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

#include "load/load_flight.h"
#include "load/load_outcome.h"
#include "load/load_plan.h"
#include "load/load_report.h"
#include "load/load_table.h"
#include "load/result_json.h"
#include "load/spot.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
using Kind = FallRate::Kind;

// What an order scores by the rule with the spot: none when a gap is unmet or no green light
// brings every group back.
struct Scored {
  double total = 0;
  double leastMargin = 0;
};
std::optional<Scored> ScoreWithSpot(const Load& load, const std::vector<int>& order) {
  const Load reordered = Reordered(load, order);
  const DelayPlan plan = RecommendDelays(reordered);
  if (!plan.totalTime) return std::nullopt;
  const Load flown = WithRoundedDelays(reordered, plan);
  const Spot spot = MakeSpot(flown, FlyLoad(flown));
  if (!spot.allBack) return std::nullopt;
  return Scored{*plan.totalTime, spot.leastMargin};
}

bool Beats(const std::optional<Scored>& a, const std::optional<Scored>& b) {
  if (!a) return false;
  if (!b) return true;
  return a->total < b->total || (a->total == b->total && a->leastMargin > b->leastMargin);
}

Load TwoLayers(double top, double low, double target, double reachFactor) {
  Load load = testing::UnderTwoHeadwinds(top, low);
  load.targetSeparation = target;
  load.reachFactor = reachFactor;
  return load;
}

// Loads found by a search over random ones in which the spot changes the answer.
struct Case {
  const char* what;
  Load load;
};
std::vector<Case> Cases() {
  std::vector<Case> cases;
  Load slowLast = TwoLayers(26, 16, 800, 0.2);
  slowLast.groups = {GroupOf(Kind::Slow, 0, 5500), GroupOf(Kind::Fast, 0, 4000),
                     GroupOf(Kind::Fast, 0, 3500)};
  cases.push_back({"the shortest order leaves a group out of reach", slowLast});
  Load tie = TwoLayers(13, 5, 600, 0.2);
  tie.groups = {GroupOf(Kind::Slow, 0, 3000), GroupOf(Kind::Fast, 0, 5000),
                GroupOf(Kind::Fast, 0, 3500), GroupOf(Kind::Fast, 0, 5500)};
  cases.push_back({"equal jump runs, the larger least margin wins", tie});
  Load longer = TwoLayers(48, 3, 900, 0.3);
  longer.groups = {GroupOf(Kind::Fast, 0, 3500), GroupOf(Kind::Slow, 0, 4500),
                   GroupOf(Kind::Slow, 0, 3000), GroupOf(Kind::Fast, 0, 3500)};
  cases.push_back({"into a 48 kt headwind every group back costs 2 s", longer});
  Load aside = TwoLayers(20, 10, 800, 0.4);
  aside.jumpRunOffset = 3000;  // far enough to the side that some orders miss
  aside.groups = {GroupOf(Kind::Fast, 0, 3000), GroupOf(Kind::Slow, 0, 5000),
                  GroupOf(Kind::Slow, 0, 4000)};
  cases.push_back({"a jump run off to the side", aside});
  return cases;
}

TEST(BestOrderWithSpot, IsTheBestPermutationByTheRule) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    std::vector<int> order(c.load.groups.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = static_cast<int>(k);
    std::optional<Scored> best;
    std::vector<int> bestOrder;
    do {
      const std::optional<Scored> scored = ScoreWithSpot(c.load, order);
      if (Beats(scored, best)) best = scored, bestOrder = order;
    } while (std::next_permutation(order.begin(), order.end()));

    const BestOrder found = FindBestOrder(c.load, OrderRule::EveryGroupBack);
    ASSERT_EQ(found.found, best.has_value());
    if (!best) continue;
    EXPECT_FALSE(found.heuristic);
    EXPECT_EQ(found.order, bestOrder);
    EXPECT_EQ(found.plan.totalTime, best->total);
    ASSERT_TRUE(found.leastMargin.has_value());
    // The search reads the openings from its own replays; the definition flies the order.
    EXPECT_EQ(*found.leastMargin, best->leastMargin);
  }
}

TEST(BestOrderWithSpot, TheSpotChangesTheAnswerOfTheseLoads) {
  // Otherwise the comparison above would not tell the two rules apart.
  for (const Case& c : Cases()) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "a jump run off to the side") continue;
    const BestOrder without = FindBestOrder(c.load);
    const BestOrder with = FindBestOrder(c.load, OrderRule::EveryGroupBack);
    ASSERT_TRUE(without.found && with.found);
    EXPECT_NE(without.order, with.order);
    EXPECT_FALSE(without.leastMargin.has_value());
  }
}

TEST(BestOrderWithSpot, AskingForTheSpotAsksTheBestOrderToBringEveryGroupBack) {
  const Load load = Cases().front().load;
  LoadRequest request;
  request.bestOrder = true;
  const LoadOutcome plain = PlanLoad(load, request);
  EXPECT_EQ(plain.bestOrder->order, FindBestOrder(load).order);
  EXPECT_FALSE(nlohmann::json::parse(ResultJsonText(plain))["bestOrder"].contains("leastMargin"));

  request.spot = true;
  const LoadOutcome outcome = PlanLoad(load, request);
  const BestOrder expected = FindBestOrder(load, OrderRule::EveryGroupBack);
  EXPECT_EQ(outcome.bestOrder->order, expected.order);
  const LoadReport report = MakeLoadReport(outcome);
  ASSERT_TRUE(report.bestOrder->leastMargin.has_value());
  EXPECT_NE(LoadTableText(outcome).find("every group back, least margin: " +
                                        report.bestOrder->leastMargin->text),
            std::string::npos);
  EXPECT_EQ(nlohmann::json::parse(ResultJsonText(outcome))["bestOrder"]["leastMargin"],
            *expected.leastMargin);  // the load is in feet
}

TEST(BestOrderWithSpot, ConventionalOrderIsSlowestFirstThenLowerOpenings) {
  Load load = TwoLayers(10, 5, 1000, 0.7);
  Group heavy = GroupOf(Kind::DragArea, 0, 4000);
  heavy.fallRate.dragArea = 8;  // more than a slow group's 5.2 square feet: slower still
  load.groups = {
      GroupOf(Kind::Fast, 0, 3000), GroupOf(Kind::Slow, 0, 5000), heavy,
      GroupOf(Kind::Slow, 0, 3000), GroupOf(Kind::Fast, 0, 2500), GroupOf(Kind::Slow, 0, 5000)};
  // By hand: the drag area 8 group, the slow ones from 3000 ft up (the two at 5000 ft as
  // given), then the fast ones from 2500 ft up.
  EXPECT_EQ(ConventionalOrder(load), (std::vector<int>{2, 3, 1, 5, 4, 0}));
}

TEST(BestOrderWithSpot, AboveTheExhaustiveLimitNeverWorseThanGivenOrConventional) {
  Load load = TwoLayers(25, 8, 1000, 1);
  load.canopy = {40, 8};  // fast canopies that open high, so that a long jump run gets back
  const Kind kinds[] = {Kind::Fast, Kind::Slow, Kind::Fast, Kind::Slow};
  for (int k = 0; k < 12; ++k) {
    load.groups.push_back(GroupOf(kinds[k % 4], 0, 4000 + 250 * (k % 5)));
  }
  std::vector<int> given(12);
  for (int k = 0; k < 12; ++k) given[k] = k;
  const std::optional<Scored> fromGiven = ScoreWithSpot(load, given);
  const std::optional<Scored> fromConventional = ScoreWithSpot(load, ConventionalOrder(load));
  ASSERT_TRUE(fromGiven || fromConventional) << "the load must leave something to improve on";

  const BestOrder found = FindBestOrder(load, OrderRule::EveryGroupBack);
  EXPECT_TRUE(found.heuristic);
  ASSERT_TRUE(found.found);
  const std::optional<Scored> scored = ScoreWithSpot(load, found.order);
  ASSERT_TRUE(scored.has_value());
  EXPECT_FALSE(Beats(fromGiven, scored));
  EXPECT_FALSE(Beats(fromConventional, scored));
  EXPECT_EQ(found.plan.totalTime, scored->total);
  EXPECT_EQ(*found.leastMargin, scored->leastMargin);
}

TEST(BestOrderWithSpot, LocalSearchWalksToEveryGroupBackFromStartsThatMissIt) {
  // Found among random loads: neither the given nor the conventional order has a green light
  // for all eleven groups of slow canopies, yet some order does.
  Load load = TwoLayers(18, 1, 1000, 0.45);
  load.canopy = {25, 12};
  const std::pair<Kind, double> groups[] = {
      {Kind::Fast, 5500}, {Kind::Slow, 5000}, {Kind::Fast, 3500}, {Kind::Slow, 5000},
      {Kind::Slow, 5000}, {Kind::Fast, 4000}, {Kind::Slow, 3500}, {Kind::Fast, 5500},
      {Kind::Slow, 4000}, {Kind::Slow, 5500}, {Kind::Fast, 3500}};
  for (const auto& [kind, opening] : groups) load.groups.push_back(GroupOf(kind, 0, opening));
  std::vector<int> given(load.groups.size());
  for (std::size_t k = 0; k < given.size(); ++k) given[k] = static_cast<int>(k);
  ASSERT_FALSE(ScoreWithSpot(load, given));
  ASSERT_FALSE(ScoreWithSpot(load, ConventionalOrder(load)));

  const BestOrder found = FindBestOrder(load, OrderRule::EveryGroupBack);
  EXPECT_TRUE(found.heuristic);
  ASSERT_TRUE(found.found);
  EXPECT_TRUE(ScoreWithSpot(load, found.order).has_value());
}

}  // namespace
}  // namespace tarnwick::load
