#include "entry/input_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarnwick {
namespace {

// The option names are those of the README's command-line reference; each finds its own box,
// and nothing else does.
TEST(InputTable, EachOptionFindsItsBoxAndOnlyThat) {
  const std::pair<const char*, Box> options[] = {
      {"ias", Box::Ias},
      {"upper-wind", Box::UpperWind},
      {"lower-wind", Box::LowerWind},
      {"wind-change-altitude", Box::WindChangeAltitude},
      {"exit-delay", Box::ExitDelay},
  };
  for (const auto& [option, box] : options) {
    const InputRow* row = InputForOption(option);
    ASSERT_NE(row, nullptr) << option;
    EXPECT_EQ(row->box, box) << option;
    EXPECT_EQ(&InputFor(box), row) << option;
  }
  for (const char* unknown : {"", "delay", "IAS", "exit-delay ", "--ias"}) {
    EXPECT_EQ(InputForOption(unknown), nullptr) << '"' << unknown << '"';
  }
  EXPECT_EQ(InputOptionList(), "ias, upper-wind, lower-wind, wind-change-altitude or exit-delay");
}

// Go's limits as the data entry window's design states them; the wind change altitude is kept
// within its range by its own box.
TEST(InputTable, RangesAreTheDesignLimits) {
  const std::pair<Box, std::pair<float, float>> ranges[] = {
      {Box::Ias, {0, 200}},      {Box::UpperWind, {0, 100}},
      {Box::LowerWind, {0, 50}}, {Box::WindChangeAltitude, {0, 13000}},
      {Box::ExitDelay, {0, 30}},
  };
  for (const auto& [box, range] : ranges) {
    EXPECT_EQ(InputFor(box).lowest, range.first) << InputFor(box).option;
    EXPECT_EQ(InputFor(box).highest, range.second) << InputFor(box).option;
  }
  EXPECT_EQ(kLongestExitDelay, 30);
}

// Each row feeds a field of its own, so that no two boxes ever write the same scenario value.
TEST(InputTable, EveryRowFeedsItsOwnField) {
  Scenario scenario;
  std::set<const float*> fields;
  for (const InputRow& row : kInputTable) fields.insert(&(scenario.*row.field));
  EXPECT_EQ(fields.size(), kInputCount);
  EXPECT_EQ(&(scenario.*InputFor(Box::WindChangeAltitude).field), &scenario.windChangeAltitude);
}

}  // namespace
}  // namespace tarnwick
