// The warnings a jumpmaster gets with a load, each on a load built to raise it (or to just
// miss it), the expected counts worked out by hand from the groups and winds.
#include "load/load_warnings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "load/load_flight.h"
#include "load/load_plan.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
constexpr auto kSlow = FallRate::Kind::Slow;
constexpr auto kFast = FallRate::Kind::Fast;

Load Named(std::vector<Group> groups, double upperHeadwind, double lowerHeadwind = 0) {
  Load load;
  load.indicatedAirspeed = 80;
  WindLayer upper;
  upper.above = 6000;
  upper.wind = Headwind{upperHeadwind};
  WindLayer lower;
  lower.wind = Headwind{lowerHeadwind};
  load.winds = {upper, lower};
  for (std::size_t k = 0; k < groups.size(); ++k) groups[k].name = "G" + std::to_string(k + 1);
  load.groups = std::move(groups);
  return load;
}

std::vector<std::string> Of(const Load& load, const char* code, const DelayPlan* plan = nullptr) {
  std::vector<std::string> messages;
  for (const Warning& w : LoadWarnings(load, FlyLoad(load), plan)) {
    if (w.code == code) messages.push_back(w.message);
  }
  return messages;
}

TEST(LoadWarnings, EachSlowerGroupIsNamedWithTheNearestFasterOneBeforeItIntoAHeadwind) {
  // Fast, slow, fast, slow: G2 after G1 and G4 after G3; G3 is faster than G2, so nothing there.
  const Load load =
      Named({GroupOf(kFast, 0), GroupOf(kSlow, 8), GroupOf(kFast, 8), GroupOf(kSlow, 8)}, 20);
  const auto messages = Of(load, kFastBeforeSlowIntoHeadwind);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("G1 falls faster than G2", 0), 0u) << messages[0];
  EXPECT_EQ(messages[1].rfind("G3 falls faster than G4", 0), 0u) << messages[1];
  // Not two groups apart either: fast, slow, slow names G1 for both slower groups.
  EXPECT_EQ(Of(Named({GroupOf(kFast, 0), GroupOf(kSlow, 8), GroupOf(kSlow, 8)}, 20),
               kFastBeforeSlowIntoHeadwind)
                .size(),
            2u);
  // A tailwind aloft, or the slow group first, gives none.
  EXPECT_TRUE(
      Of(Named({GroupOf(kFast, 0), GroupOf(kSlow, 8)}, -20), kFastBeforeSlowIntoHeadwind).empty());
  EXPECT_TRUE(
      Of(Named({GroupOf(kSlow, 0), GroupOf(kFast, 8)}, 20), kFastBeforeSlowIntoHeadwind).empty());
}

TEST(LoadWarnings, LowerWindsAgainstTheUpperOnes) {
  const std::vector<Group> two = {GroupOf(kSlow, 0), GroupOf(kSlow, 8)};
  EXPECT_EQ(Of(Named(two, 20, -5), kLowerWindsOpposite).size(), 1u);
  EXPECT_TRUE(Of(Named(two, 20, 5), kLowerWindsOpposite).empty());
  EXPECT_TRUE(Of(Named(two, 20, 0), kLowerWindsOpposite).empty());
}

TEST(LoadWarnings, EveryPairUnderTheTargetAndNoneAtZero) {
  // Three groups 5 s apart are far closer than 20000 ft: all three pairs fall short.
  Load load = Named({GroupOf(kSlow, 0), GroupOf(kSlow, 5), GroupOf(kFast, 5)}, 10);
  load.targetSeparation = 20000;
  const auto messages = Of(load, kPairUnderTarget);
  ASSERT_EQ(messages.size(), 3u);
  EXPECT_NE(messages[0].find("under the target of 20000 ft"), std::string::npos) << messages[0];
  load.targetSeparation = 0;
  EXPECT_TRUE(Of(load, kPairUnderTarget).empty());
}

TEST(LoadWarnings, ADelayTheMinimumDecided) {
  // Calm air and alike groups: about 135 ft of jump run a second, so 100 ft needs about 1 s and
  // the 10 s minimum decides both gaps.
  Load load = Named({GroupOf(kSlow, 0), GroupOf(kSlow, 0), GroupOf(kSlow, 0)}, 0);
  load.targetSeparation = 100;
  load.minimumDelay = 10;
  const DelayPlan plan = RecommendDelays(load);
  EXPECT_EQ(Of(load, kDelayAtMinimum, &plan).size(), 2u);
  // At a target of 3000 ft separation decides: no warning.
  load.targetSeparation = 3000;
  const DelayPlan apart = RecommendDelays(load);
  EXPECT_TRUE(Of(load, kDelayAtMinimum, &apart).empty());
}

TEST(LoadWarnings, AHigherOpenerOutFirstAboveALaterGroupsPath) {
  // Calm air: G2 leaves 3 s (about 400 ft) after G1 and falls past G1's canopy at 6000 ft.
  Load load = Named({GroupOf(kSlow, 0, 6000), GroupOf(kSlow, 3)}, 0);
  const auto messages = Of(load, kOpeningAbovePath);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("G1 opens at 6000 ft, above G2", 0), 0u) << messages[0];
  // The lower opener first, or both at the same altitude, is no such case.
  EXPECT_TRUE(
      Of(Named({GroupOf(kSlow, 0), GroupOf(kSlow, 3, 6000)}, 0), kOpeningAbovePath).empty());
  EXPECT_TRUE(Of(Named({GroupOf(kSlow, 0), GroupOf(kSlow, 3)}, 0), kOpeningAbovePath).empty());
}

}  // namespace
}  // namespace tarnwick::load
