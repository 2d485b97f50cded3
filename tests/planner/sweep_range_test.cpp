#include "planner/sweep_range.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarnwick {
namespace {

std::vector<std::string> Texts(const SweepRange& r) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < r.Count(); ++i) texts.push_back(r.Text(i));
  return texts;
}

TEST(SweepRange, TenthsAreExactFromEndToEnd) {
  const auto parsed = ParseSweepRange("exit-delay=0:30:0.1");
  ASSERT_TRUE(parsed.range) << parsed.error;
  const SweepRange& r = *parsed.range;
  EXPECT_EQ(r.field, Box::ExitDelay);
  ASSERT_EQ(r.Count(), 301u);
  EXPECT_EQ(r.Text(3), "0.3");  // not 0.30000000000000004
  EXPECT_EQ(r.Text(73), "7.3");
  EXPECT_EQ(r.Text(300), "30.0");
  EXPECT_DOUBLE_EQ(r.Value(73), 7.3);
}

TEST(SweepRange, EveryFieldAndItsNumbers) {
  struct Case {
    const char* text;
    Box field;
    std::vector<std::string> texts;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {"ias=60:100:20", Box::Ias, {"60", "80", "100"}, {"60.0", "80.0", "100.0"}},
      {"upper-wind=-10:10:7.5", Box::UpperWind, {"-10.0", "-2.5", "5.0"}, {"-10.0", "-2.5", "5.0"}},
      {"lower-wind=0.05:0.15:0.05",
       Box::LowerWind,
       {"0.05", "0.10", "0.15"},
       {"0.05", "0.10", "0.15"}},
      {"wind-change-altitude=4000:4000:1", Box::WindChangeAltitude, {"4000"}, {"4000.0"}},
      {"exit-delay=+1:.5:0.25", Box::ExitDelay, {}, {}},  // refused below: 1 > 0.5
  };
  for (const Case& c : cases) {
    const auto parsed = ParseSweepRange(c.text);
    if (c.texts.empty()) {
      EXPECT_FALSE(parsed.range) << c.text;
      continue;
    }
    ASSERT_TRUE(parsed.range) << c.text << ": " << parsed.error;
    EXPECT_EQ(parsed.range->field, c.field) << c.text;
    EXPECT_EQ(Texts(*parsed.range), c.texts) << c.text;
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
      EXPECT_EQ(parsed.range->Label(i), c.labels[i]) << c.text;
    }
  }
}

TEST(SweepRange, AStepThatOvershootsStopsBeforeTo) {
  const auto parsed = ParseSweepRange("exit-delay=0:10:3");
  ASSERT_TRUE(parsed.range);
  EXPECT_EQ(Texts(*parsed.range), (std::vector<std::string>{"0", "3", "6", "9"}));
}

TEST(SweepRange, MalformedRangesAreRefusedWithAReason) {
  struct Case {
    const char* text;
    const char* reasonPart;
  };
  const Case cases[] = {
      {"exit-delay", "FIELD=FROM:TO:STEP"},
      {"delay=0:30:1", "unknown field \"delay\""},
      {"EXIT-DELAY=0:30:1", "unknown field"},
      {"exit-delay=0:30", "FROM:TO:STEP"},
      {"exit-delay=0:30:1:2", "FROM:TO:STEP"},
      {"exit-delay=10:5:1", "greater than TO"},
      {"exit-delay=0:30:0", "STEP 0 must be greater than 0"},
      {"exit-delay=0:30:-1", "must be greater than 0"},
      {"exit-delay=0:100000:1", "more than 100000 values"},
      {"ias=0:10000:0.1", "more than 100000 values"},
      {"exit-delay=a:30:1", "FROM \"a\" is not a plain decimal"},
      {"exit-delay=0:3O:1", "TO \"3O\""},
      {"exit-delay=0:30:", "STEP \"\""},
      {"exit-delay=0:30:1e-1", "STEP \"1e-1\""},
      {"exit-delay=0:30:.", "STEP \".\""},
      {"exit-delay=0:30:0.0000001", "STEP"},  // finer than the parser keeps
      {"ias=0:12345678901:1", "TO"},          // beyond what any box holds
      {"exit-delay= 0:30:1", "FROM \" 0\""},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseSweepRange(c.text);
    EXPECT_FALSE(parsed.range) << c.text;
    EXPECT_NE(parsed.error.find(c.reasonPart), std::string::npos) << c.text << ": " << parsed.error;
    EXPECT_EQ(parsed.error.rfind("--sweep: ", 0), 0u) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << parsed.error;
  }
  // The largest range allowed is allowed.
  EXPECT_TRUE(ParseSweepRange("exit-delay=0:99999:1").range);
}

}  // namespace
}  // namespace tarnwick
