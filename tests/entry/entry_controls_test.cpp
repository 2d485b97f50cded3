#include "entry/entry_controls.h"

#include <gtest/gtest.h>

#include <string>

#include "entry/number_text.h"
#include "entry/presets.h"

namespace tarnwick {
namespace {

struct Loaded {
  Scenario scenario;
  EntryModel model{scenario};
  explicit Loaded(const std::string& argument) { LoadEntry(model, argument, scenario); }
};

TEST(LoadEntry, WithoutArgumentKeepsTheDesignValues) {
  Loaded w("");
  EXPECT_EQ(w.model.Text(Box::Ias), "80");
  EXPECT_EQ(w.model.Text(Box::UpperWind), "20");
  EXPECT_EQ(w.model.Text(Box::LowerWind), "0");
  EXPECT_EQ(w.model.Text(Box::WindChangeAltitude), "6000");
  EXPECT_EQ(w.model.Text(Box::ExitDelay), "5");
  EXPECT_EQ(w.scenario.upperWindSign, 1);
  EXPECT_EQ(w.scenario.lowerWindSign, 1);
  EXPECT_EQ(w.scenario.firstSlow, 1);
  EXPECT_EQ(w.scenario.secondSlow, 0);
  EXPECT_EQ(w.scenario.plotRate, 0);
  // The boxes are read by Go, not by the load.
  EXPECT_EQ(w.scenario.ias, 0);
}

TEST(LoadEntry, ArgumentsWithoutAPresetOnlyChooseSlowPlotting) {
  for (const char* argument : {"7", "9", "0", "word", "-1"}) {
    Loaded w(argument);
    EXPECT_EQ(w.model.Text(Box::Ias), "80") << argument;
    EXPECT_EQ(w.model.Text(Box::ExitDelay), "5") << argument;
    EXPECT_EQ(w.scenario.firstSlow, 1) << argument;
    EXPECT_EQ(w.scenario.secondSlow, 0) << argument;
    EXPECT_EQ(w.scenario.plotRate, 1) << argument;
  }
}

TEST(LoadEntry, PresetTable) {
  struct Row {
    const char* argument;
    const char *ias, *delay, *lower, *upper, *wndalt;
    int upperSign, lowerSign, first, second;
  };
  const Row rows[] = {
      {"1", "80", "8", "30", "40", "6000", 1, -1, 1, 1},
      {"2", "80", "8", "30", "40", "6000", 1, 1, 1, 1},
      {"3", "80", "0", "25", "25", "6000", 1, 1, 0, 0},
      {"4", "80", "0", "0", "0", "6000", 1, 1, 0, 1},
      {"5", "80", "18", "10", "50", " 4500", 1, 1, 0, 1},
      {"6", "80", "0", "20", "40", " 9000", 1, -1, 0, 1},
      {"8", "70", "17", "10", "30", " 4000", 1, 1, 0, 1},
  };
  for (const Row& r : rows) {
    Loaded w(r.argument);
    EXPECT_EQ(w.model.Text(Box::Ias), r.ias) << r.argument;
    EXPECT_EQ(w.model.Text(Box::ExitDelay), r.delay) << r.argument;
    EXPECT_EQ(w.model.Text(Box::LowerWind), r.lower) << r.argument;
    EXPECT_EQ(w.model.Text(Box::UpperWind), r.upper) << r.argument;
    EXPECT_EQ(w.model.Text(Box::WindChangeAltitude), r.wndalt) << r.argument;
    EXPECT_EQ(w.scenario.upperWindSign, r.upperSign) << r.argument;
    EXPECT_EQ(w.scenario.lowerWindSign, r.lowerSign) << r.argument;
    EXPECT_EQ(w.scenario.firstSlow, r.first) << r.argument;
    EXPECT_EQ(w.scenario.secondSlow, r.second) << r.argument;
    EXPECT_EQ(w.scenario.plotRate, 1) << r.argument;
  }
}

TEST(WindChangeAltitudeBox, KeepsItsValueInRangeAndRewritesTheBox) {
  Loaded w("");
  struct Case {
    const char* typed;
    float stored;
    const char* shown;
  };
  const Case cases[] = {
      {"20000", 13000, " 13000"},       {"-5", 0, " 0"},  {"", 0, " 0"},
      {"4500", 4500, " 4500"},          {"abc", 0, " 0"}, {"1e39", 13000, " 13000"},
      {"12999.5", 12999.5f, " 12999.5"}};
  for (const Case& c : cases) {
    w.model.SetText(Box::WindChangeAltitude, c.typed);
    EXPECT_EQ(w.scenario.windChangeAltitude, c.stored) << c.typed;
    EXPECT_EQ(w.model.Text(Box::WindChangeAltitude), c.shown) << c.typed;
  }
}

TEST(EntryHandlers, StoreEveryEditAtOnce) {
  Loaded w("");
  w.model.SetText(Box::Ias, "120");
  EXPECT_EQ(w.scenario.ias, 120);
  EXPECT_EQ(w.model.Text(Box::Ias), "120");  // kept as typed until Go
  w.model.SetText(Box::ExitDelay, "7.5");
  EXPECT_EQ(w.scenario.exitDelay, 7.5f);
  w.model.SetChecked(CheckBox::UpperHeadwind, false);
  EXPECT_EQ(w.scenario.upperWindSign, -1);
  w.model.SetChecked(CheckBox::UpperHeadwind, true);
  EXPECT_EQ(w.scenario.upperWindSign, 1);
  w.model.SetChecked(CheckBox::LowerHeadwind, false);
  EXPECT_EQ(w.scenario.lowerWindSign, -1);
  w.model.SetListIndex(ListBox::Second, 1);
  EXPECT_EQ(w.scenario.secondSlow, 1);
  w.model.SetListIndex(ListBox::PlotRate, 1);
  EXPECT_EQ(w.scenario.plotRate, 1);
}

struct GoCase {
  const char* ias;
  const char* upper;
  const char* lower;
  const char* delay;
  int warnings;
  float storedIas, storedUpper, storedLower, storedDelay;
};

class GoLimits : public ::testing::TestWithParam<GoCase> {};

TEST_P(GoLimits, CorrectAndWarnOncePerCorrection) {
  const GoCase& c = GetParam();
  Loaded w("");
  w.model.SetText(Box::Ias, c.ias);
  w.model.SetText(Box::UpperWind, c.upper);
  w.model.SetText(Box::LowerWind, c.lower);
  w.model.SetText(Box::ExitDelay, c.delay);
  int warnings = 0;
  ApplyGoLimits(w.model, w.scenario, [&] { ++warnings; });
  EXPECT_EQ(warnings, c.warnings);
  EXPECT_EQ(w.scenario.ias, c.storedIas);
  EXPECT_EQ(w.scenario.upperWind, c.storedUpper);
  EXPECT_EQ(w.scenario.lowerWind, c.storedLower);
  EXPECT_EQ(w.scenario.exitDelay, c.storedDelay);
  EXPECT_EQ(w.scenario.windChangeAltitude, 6000);
  // The four boxes are rewritten in the number form whether or not anything was corrected.
  EXPECT_EQ(w.model.Text(Box::Ias), NumberToText(c.storedIas));
  EXPECT_EQ(w.model.Text(Box::UpperWind), NumberToText(c.storedUpper));
  EXPECT_EQ(w.model.Text(Box::LowerWind), NumberToText(c.storedLower));
  EXPECT_EQ(w.model.Text(Box::ExitDelay), NumberToText(c.storedDelay));
  EXPECT_EQ(w.model.Text(Box::WindChangeAltitude), "6000");  // Go leaves it alone
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GoLimits,
    ::testing::Values(GoCase{"80", "20", "0", "5", 0, 80, 20, 0, 5},
                      GoCase{"250", "20", "0", "5", 1, 200, 20, 0, 5},
                      GoCase{"-10", "20", "0", "5", 1, 0, 20, 0, 5},
                      GoCase{"abc", "20", "0", "5", 0, 0, 20, 0, 5},
                      GoCase{"80", "-150", "0", "5", 3, 80, 100, 0, 5},
                      GoCase{"50", "120", "0", "5", 1, 50, 85, 0, 5},
                      GoCase{"80", "100", "0", "5", 0, 80, 100, 0, 5},
                      GoCase{"80", "20", "-60", "5", 0, 80, 20, 50, 5},
                      GoCase{"80", "20", "0", "45", 1, 80, 20, 0, 30},
                      GoCase{"80", "20", "0", "-3", 1, 80, 20, 0, 0},
                      GoCase{"1e39", "-1e39", "1e39", "-1e39", 5, 200, 100, 50, 0},
                      GoCase{"-1e39", "1e39", "-1e39", "1e39", 3, 0, 35, 50, 30}));

}  // namespace
}  // namespace tarnwick
