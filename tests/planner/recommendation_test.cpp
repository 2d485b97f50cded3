#include "planner/recommendation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "entry/scenario_setup.h"

namespace tarnwick {
namespace {

std::vector<SweepRow> Grid(ScenarioOptions base = {}) {
  return RunSweep(ExitDelayGrid(), [base](const std::string& value) {
    ScenarioOptions options = base;
    options.exitDelay = value;
    PreparedRun run;
    run.scenario = PrepareScenario("", options, [] {});
    return run;
  });
}

// A made-up row whose three separations are all `feet`, the jumpers opening apart in time.
SweepRow Row(std::size_t tenths, double feet) {
  SweepRow row;
  row.index = tenths;
  row.run.scenario.exitDelay = static_cast<float>(tenths) / 10;
  row.result.pullTime = {0, 50, 65};
  row.result.firstPullSeparation = feet;
  row.result.pullDownrange = {0, 0, static_cast<float>(feet)};
  row.result.finalDownrange = row.result.pullDownrange;
  return row;
}

std::vector<SweepRow> MadeUpGrid(const std::function<double(std::size_t)>& feetAt) {
  std::vector<SweepRow> grid;
  for (std::size_t i = 0; i <= 300; ++i) grid.push_back(Row(i, feetAt(i)));
  return grid;
}

double Smallest(const SweepRow& row) {
  return PlanningSeparations(row.result, row.run.scenario.exitDelay).Smallest();
}

TEST(Recommendation, SmallestGridDelayMeetingTheTargetInRealScenarios) {
  ScenarioOptions calm;
  calm.upperWind = "0";
  ScenarioOptions tailwind;
  tailwind.upperHeadwind = false;
  tailwind.upperWind = "30";
  for (const ScenarioOptions& options : {ScenarioOptions{}, calm, tailwind}) {
    const auto grid = Grid(options);
    for (double feet : {1000.0, 1500.0, 2500.0}) {
      const DelayRecommendation r = RecommendExitDelay(grid, feet);
      ASSERT_TRUE(r.recommended) << feet;
      const std::size_t at = *r.recommended;
      SCOPED_TRACE(std::to_string(feet) + " ft at " + std::to_string(at));
      EXPECT_GE(Smallest(grid[at]), feet);
      ASSERT_GT(at, 0u);
      EXPECT_LT(Smallest(grid[at - 1]), feet);  // the neighbour below falls short
      for (std::size_t i = at; i < grid.size(); ++i) ASSERT_GE(Smallest(grid[i]), feet) << i;
      EXPECT_EQ(r.called % 10, 0u);
      EXPECT_GE(r.called, at);
      EXPECT_LT(r.called, at + 10);
    }
  }
}

TEST(Recommendation, TheDesignScenarioFor1000Feet) {
  const auto grid = Grid();
  const DelayRecommendation r = RecommendExitDelay(grid, 1000);
  std::ostringstream out;
  WriteRecommendation(out, r, grid);
  const std::string text = out.str();
  EXPECT_EQ(text.substr(0, text.find('\n')), "Recommended exit delay: 1.4 s");
  EXPECT_NE(text.find("  When first jumper pulls: 1001.7 ft\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Rounded up to whole seconds: 2 s\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Separations at 2 s:\n"), std::string::npos) << text;
}

TEST(Recommendation, ADelayThatIsFollowedByAShortfallIsNotRecommended) {
  // Reaches 1000 ft at once, dips below it between 2.0 and 5.9 s, and stays above from 6.0 s.
  const auto grid = MadeUpGrid([](std::size_t i) { return i >= 20 && i < 60 ? 900.0 : 1100.0; });
  const DelayRecommendation r = RecommendExitDelay(grid, 1000);
  ASSERT_TRUE(r.recommended);
  EXPECT_EQ(*r.recommended, 60u);
  EXPECT_EQ(r.earliest, 0u);
  EXPECT_EQ(r.shortfall, 20u);
  EXPECT_EQ(r.called, 60u);
  std::ostringstream out;
  WriteRecommendation(out, r, grid);
  EXPECT_EQ(out.str().rfind("Recommended exit delay: 6.0 s\n", 0), 0u) << out.str();
  EXPECT_NE(out.str().find("Note: 0.0 s already reaches 1000 ft but 2.0 s does not"),
            std::string::npos)
      << out.str();
}

TEST(Recommendation, RoundingUpNeverLandsOnADelayThatFallsShort) {
  // 7.3 s reaches the target; 8 s, the call, must too, and does by the choice of 7.3.
  const auto grid = MadeUpGrid([](std::size_t i) { return i >= 73 ? 1000.0 : 999.9; });
  const DelayRecommendation r = RecommendExitDelay(grid, 1000);
  ASSERT_TRUE(r.recommended);
  EXPECT_EQ(*r.recommended, 73u);
  EXPECT_EQ(r.called, 80u);
  EXPECT_FALSE(r.shortfall);
}

TEST(Recommendation, UnreachableTargetsSaySoAndFail) {
  const auto grid = Grid();
  const DelayRecommendation r = RecommendExitDelay(grid, 1e6);
  EXPECT_FALSE(r.recommended);
  std::ostringstream out;
  WriteRecommendation(out, r, grid);
  EXPECT_EQ(
      out.str().rfind("No exit delay up to 30 s keeps all three separations at 1000000 ft", 0), 0u)
      << out.str();
  EXPECT_EQ(out.str().find("Recommended"), std::string::npos);

  // Reached in the middle, short again at the longest delays: nothing is safe to call.
  const auto humped =
      MadeUpGrid([](std::size_t i) { return i >= 100 && i < 250 ? 1200.0 : 800.0; });
  const DelayRecommendation h = RecommendExitDelay(humped, 1000);
  EXPECT_FALSE(h.recommended);
  EXPECT_EQ(h.earliest, 100u);
  std::ostringstream humpedOut;
  WriteRecommendation(humpedOut, h, humped);
  EXPECT_NE(humpedOut.str().find("from 10.0 s on reach it, but a longer one falls short"),
            std::string::npos)
      << humpedOut.str();
}

TEST(Recommendation, OpeningInTheSameStepCountsTheirDistanceApart) {
  // The report leaves "when first jumper pulls" at 0 when both pass 3000 ft in one step.
  RunResult together;
  together.pullTime = {0, 65.5f, 50.1f};
  together.pullDownrange = {0, -572.5f, 2381.6f};
  together.finalDownrange = together.pullDownrange;
  together.firstPullSeparation = 0;
  const Separations s = PlanningSeparations(together, 15.4f);
  EXPECT_TRUE(s.openTogether);
  EXPECT_FLOAT_EQ(static_cast<float>(s.firstPull), 2954.1f);

  // One step apart is not together: the report's 0 then is a real crossing and stands.
  const Separations apart = PlanningSeparations(together, 15.39f);
  EXPECT_FALSE(apart.openTogether);
  EXPECT_EQ(apart.firstPull, 0);
}

TEST(Recommendation, TargetFeetMustBeAPositiveNumber) {
  EXPECT_EQ(ParseTargetFeet("1000").feet, 1000.0);
  EXPECT_EQ(ParseTargetFeet("1500.5").feet, 1500.5);
  for (const char* bad : {"", "abc", "0", "-100", "1000ft", "nan", "inf", "1e999", " 1000"}) {
    const ParsedFeet parsed = ParseTargetFeet(bad);
    EXPECT_FALSE(parsed.feet) << bad;
    EXPECT_EQ(parsed.error.rfind("--recommend-delay: ", 0), 0u) << parsed.error;
  }
}

}  // namespace
}  // namespace tarnwick
