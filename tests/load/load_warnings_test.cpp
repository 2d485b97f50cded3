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
  Load load = testing::UnderTwoHeadwinds(upperHeadwind, lowerHeadwind);
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

TEST(LoadWarnings, OneLinePerFasterGroupNamingEverySlowerGroupBlownBackTowardsIt) {
  // Fast, slow, fast, slow: G2 after G1 and G4 after G3; G3 is faster than G2, so nothing there.
  const Load load =
      Named({GroupOf(kFast, 0), GroupOf(kSlow, 8), GroupOf(kFast, 8), GroupOf(kSlow, 8)}, 20);
  const auto messages = Of(load, kFastBeforeSlowIntoHeadwind);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].rfind("G1 falls faster than G2 and", 0), 0u) << messages[0];
  EXPECT_EQ(messages[1].rfind("G3 falls faster than G4 and", 0), 0u) << messages[1];
  // One fast group ahead of three slower ones is one line that names all three.
  const auto one =
      Of(Named({GroupOf(kFast, 0), GroupOf(kSlow, 8), GroupOf(kSlow, 8), GroupOf(kSlow, 8)}, 20),
         kFastBeforeSlowIntoHeadwind);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].rfind("G1 falls faster than G2, G3 and G4 and", 0), 0u) << one[0];
  // A tailwind aloft, or the slow group first, gives none.
  EXPECT_TRUE(
      Of(Named({GroupOf(kFast, 0), GroupOf(kSlow, 8)}, -20), kFastBeforeSlowIntoHeadwind).empty());
  EXPECT_TRUE(
      Of(Named({GroupOf(kSlow, 0), GroupOf(kFast, 8)}, 20), kFastBeforeSlowIntoHeadwind).empty());
}

TEST(LoadWarnings, AWindWarningNeedsFiveKnotsOnEachSideOfTheComparison) {
  const std::vector<Group> fastFirst = {GroupOf(kFast, 0), GroupOf(kSlow, 8)};
  // An upper headwind of 2.3 kt blows nobody back; 5 kt is the least that warns.
  EXPECT_TRUE(Of(Named(fastFirst, 2.3), kFastBeforeSlowIntoHeadwind).empty());
  EXPECT_TRUE(Of(Named(fastFirst, 4.9), kFastBeforeSlowIntoHeadwind).empty());
  EXPECT_EQ(Of(Named(fastFirst, 5), kFastBeforeSlowIntoHeadwind).size(), 1u);
  // Opposite winds: 5 kt both aloft and on the ground, else nothing.
  EXPECT_TRUE(Of(Named(fastFirst, 20, -2), kLowerWindsOpposite).empty());
  EXPECT_TRUE(Of(Named(fastFirst, 2, -20), kLowerWindsOpposite).empty());
  EXPECT_EQ(Of(Named(fastFirst, 5, -5), kLowerWindsOpposite).size(), 1u);
}

// Winds given by speed and direction on a jump run flown due north (heading 0): a wind from
// the east (90) blows towards the left of the track, one from the west (270) to its right.
Load WithDirections(double upperFrom, double upperKt, double lowerFrom, double lowerKt) {
  Load load = Named({GroupOf(kSlow, 0), GroupOf(kSlow, 8)}, 0);
  load.jumpRunHeading = 0;
  load.winds[0].wind = DirectedWind{upperKt, upperFrom};
  load.winds[1].wind = DirectedWind{lowerKt, lowerFrom};
  return load;
}

TEST(LoadWarnings, LowerWindsAgainstTheUpperOnesSayWhichWayTheCanopiesDrift) {
  const std::vector<Group> two = {GroupOf(kSlow, 0), GroupOf(kSlow, 8)};
  // Along the jump run: a tailwind aloft and a headwind below blow the later canopies back
  // over the earlier openings; the other way round the earlier ones drift forward.
  const auto back = Of(Named(two, -20, 8), kLowerWindsOpposite);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_NE(back[0].find("along the jump run"), std::string::npos) << back[0];
  EXPECT_NE(back[0].find("drift back over the openings of the groups out before them"),
            std::string::npos)
      << back[0];
  const auto forward = Of(Named(two, 20, -8), kLowerWindsOpposite);
  ASSERT_EQ(forward.size(), 1u);
  EXPECT_NE(forward[0].find("drift forward over the openings of the groups out after them"),
            std::string::npos)
      << forward[0];
  EXPECT_TRUE(Of(Named(two, 20, 5), kLowerWindsOpposite).empty());
  EXPECT_TRUE(Of(Named(two, 20, 0), kLowerWindsOpposite).empty());
  // Across it: 20 kt from the east aloft (20 kt to the left), 10 kt from the west below (10 kt to
  // the right); no component along the track, so the canopies drift sideways, not back.
  const auto across = Of(WithDirections(90, 20, 270, 10), kLowerWindsOpposite);
  ASSERT_EQ(across.size(), 1u);
  EXPECT_NE(across[0].find("across the jump run"), std::string::npos) << across[0];
  EXPECT_NE(across[0].find("sideways"), std::string::npos) << across[0];
  EXPECT_EQ(across[0].find("drift back"), std::string::npos) << across[0];
  // Nearly head-on winds from 2 and 358 degrees: cross components of 20 sin 2 = 0.7 kt and
  // 10 sin 2 = 0.35 kt of opposite sign, both headwinds. Nothing to warn about.
  EXPECT_TRUE(Of(WithDirections(2, 20, 358, 10), kLowerWindsOpposite).empty());
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

TEST(LoadWarnings, ADelayInTheTableUnderTheMinimumDelay) {
  // A minimum delay raised to 5 s above the 4 s already before G3: that delay is named, the 8 s
  // and the first group's (which has none) are not.
  Load load = Named({GroupOf(kSlow, 0), GroupOf(kSlow, 8), GroupOf(kSlow, 4)}, 0);
  load.minimumDelay = 5;
  const auto messages = Of(load, kDelayUnderMinimum);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], "the delay before G3 is 4.0 s, under the minimum delay of 5.0 s");
  // At the minimum itself, and for a delay typed as 5.1 s under a minimum of 5.1 s (a float
  // and a double that print alike), nothing.
  load.groups[2].delay = 5;
  EXPECT_TRUE(Of(load, kDelayUnderMinimum).empty());
  load.groups[2].delay = 5.1f;
  load.groups[1].delay = 5.1f;
  load.minimumDelay = 5.1;
  EXPECT_TRUE(Of(load, kDelayUnderMinimum).empty());
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
