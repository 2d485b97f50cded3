#include "entry/input_correction.h"

#include <gtest/gtest.h>

#include "entry/scenario_setup.h"

namespace tarnwick {
namespace {

// The limits are the data entry window's: airspeed 0 to 200 kt, the wind change altitude 0 to
// 13000 ft (kept by its box as typed, without Go's warning).
TEST(InputCorrections, NameEachInputThatDoesNotRunAsGiven) {
  ScenarioOptions options;
  options.ias = "500";
  options.windChangeAltitude = "-5";
  const PreparedScenario prepared = PrepareScenario("", options);
  EXPECT_EQ(prepared.warnings, 1);
  ASSERT_EQ(prepared.corrections.size(), 2u);
  EXPECT_EQ(prepared.corrections[0].box, Box::Ias);
  EXPECT_EQ(prepared.corrections[0].given, "500");
  EXPECT_TRUE(prepared.corrections[0].typed);
  EXPECT_EQ(prepared.corrections[0].taken, 200.0f);
  // The box rewrote itself to 0 as it was typed into; the option is what was asked for.
  EXPECT_EQ(prepared.corrections[1].box, Box::WindChangeAltitude);
  EXPECT_EQ(prepared.corrections[1].given, "-5");
  EXPECT_EQ(prepared.corrections[1].taken, 0.0f);
  EXPECT_EQ(CorrectionText(prepared.corrections[1]),
            "--wind-change-altitude -5 was taken as 0 (its box takes 0 to 13000)");
}

TEST(InputCorrections, AValueTheBoxReadsAlikeIsNoCorrection) {
  // &H50 is 80; digits beyond a single's seven are not a change the box would show.
  for (const char* text : {"&H50", "80.000001", " 80 kts", "8E1"}) {
    ScenarioOptions options;
    options.ias = text;
    EXPECT_TRUE(PrepareScenario("", options).corrections.empty()) << text;
  }
}

TEST(InputCorrections, APresetValueIsNamedAsThePresets) {
  // Preset 1 flies 40 kt of upper wind, more than 0 kt of airspeed + 35 allows.
  ScenarioOptions options;
  options.ias = "0";
  const PreparedScenario prepared = PrepareScenario("1", options);
  ASSERT_EQ(prepared.corrections.size(), 1u);
  EXPECT_FALSE(prepared.corrections[0].typed);
  EXPECT_EQ(CorrectionText(prepared.corrections[0]),
            "the preset's --upper-wind 40 was taken as 35 (its box takes 0 to 100, at most the "
            "airspeed + 35)");
}

}  // namespace
}  // namespace tarnwick
