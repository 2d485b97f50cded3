#include "load/load_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <variant>

#include "tests/load/example_load.h"

namespace tarnwick::load {
namespace {

using testing::Edited;
using testing::kExample;

TEST(LoadFile, ReadsTheDocumentedExample) {
  const ReadLoad read = ReadLoadText(kExample);
  ASSERT_TRUE(read.load) << read.error;
  const Load& load = *read.load;
  EXPECT_EQ(load.exitAltitude, 13500);
  ASSERT_EQ(load.groups.size(), 3u);
  EXPECT_EQ(load.groups[1].delay, 9.0f);
  EXPECT_EQ(load.groups[2].openingAltitude, 5500);
  EXPECT_EQ(load.groups[0].openingAltitude, 3000);  // the default
  // 120 mph is 176 ft/s exactly (5280 ft a mile); in the model's knots 176 / 1.688.
  EXPECT_DOUBLE_EQ(load.groups[2].fallRate.terminalSpeed, 176 / 1.688);
  ASSERT_EQ(load.winds.size(), 3u);
  EXPECT_TRUE(std::holds_alternative<DirectedWind>(load.winds[0].wind));
  EXPECT_FALSE(load.winds[2].above.has_value());
}

TEST(LoadFile, EveryRefusalNamesTheField) {
  const struct {
    std::string text;
    std::string field;
  } cases[] = {
      {"not json", "line 1, column 2: expected a value"},
      {"[1, 2]", "the file"},
      {Edited(R"("format": "tarnwick-load", )", ""), "format"},
      {Edited(R"("version": 1,)", R"("version": 2,)"), "version"},
      {Edited(R"("speed": "kt")", R"("speed": "furlongs")"), "units.speed"},
      {Edited(R"("altitude": "ft")", R"("altitude": 3)"), "units.altitude"},
      {Edited(R"("indicatedAirspeed": 80)", R"("indicatedAirspeed": 201)"),
       "aircraft.indicatedAirspeed"},
      {Edited(R"("indicatedAirspeed": 80)", R"("indicatedAirspeed": "80")"),
       "aircraft.indicatedAirspeed"},
      {Edited(R"("openingAltitude": 5500)", R"("openingAltitude": 13500)"),
       "groups[2].openingAltitude"},
      {Edited(R"("delay": 9)", R"("delay": 31)"), "groups[1].delay"},
      {Edited(R"("delay": 9)", R"("delay": -1)"), "groups[1].delay"},
      {Edited(R"("speed": 35, "from": 250)", R"("speed": 101, "from": 250)"), "winds[0].speed"},
      {Edited(R"("above": 3000, )", R"("above": 9500, )"), "winds[1].above"},
      {Edited(R"({ "headwind": 5 })", R"({ "above": 100, "headwind": 5 })"), "winds[2].above"},
      {Edited(R"("jumpRunHeading": 270,)", ""), "winds[0].from"},
      {Edited(R"("fallRate": "fast")", R"("fallRate": "quick")"), "groups[1].fallRate"},
      {Edited(R"("fallRate": "fast")", R"("fallRate": { "dragArea": 0 })"),
       "groups[1].fallRate.dragArea"},
      {Edited(R"("minimumDelay": 5)", R"("minimumDelay": 40)"), "minimumDelay"},
      {Edited(R"("targetSeparation": 1000)", R"("targetSeparation": -5)"), "targetSeparation"},
      // 100 kt straight across the jump run: more than the aircraft's true airspeed.
      {Edited(R"("speed": 35, "from": 250)", R"("speed": 100, "from": 180)"), "winds"},
  };
  for (const auto& c : cases) {
    const ReadLoad read = ReadLoadText(c.text);
    EXPECT_FALSE(read.load) << c.text;
    EXPECT_NE(read.error.find(c.field), std::string::npos) << read.error;
    EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
  }
  const std::string noGroups =
      kExample.substr(0, kExample.find(R"("groups")")) + R"("groups": [] })";
  EXPECT_NE(ReadLoadText(noGroups).error.find("groups"), std::string::npos);
}

TEST(LoadFile, UnitsRoundTripThroughTheFile) {
  // The example in metres and km/h, written back and read again, is the same load.
  std::string metric = Edited(R"("altitude": "ft", "distance": "ft", "speed": "kt")",
                              R"("altitude": "m", "distance": "m", "speed": "km/h")");
  for (const auto& [from, to] :
       {std::pair{"13500", "4000"}, std::pair{"9000", "2700"},
        std::pair{"\"above\": 3000", "\"above\": 900"}, std::pair{"5500", "1500"}}) {
    metric.replace(metric.find(from), std::string(from).size(), to);
  }
  const ReadLoad first = ReadLoadText(metric);
  ASSERT_TRUE(first.load) << first.error;
  const ReadLoad again = ReadLoadText(WriteLoadText(*first.load));
  ASSERT_TRUE(again.load) << again.error;
  EXPECT_DOUBLE_EQ(again.load->exitAltitude, first.load->exitAltitude);
  EXPECT_DOUBLE_EQ(std::get<DirectedWind>(again.load->winds[0].wind).speed,
                   std::get<DirectedWind>(first.load->winds[0].wind).speed);
  EXPECT_DOUBLE_EQ(again.load->groups[2].fallRate.terminalSpeed,
                   first.load->groups[2].fallRate.terminalSpeed);
  EXPECT_DOUBLE_EQ(again.load->targetSeparation, first.load->targetSeparation);
  // 1000 m is exactly 1000 / 0.3048 ft.
  EXPECT_DOUBLE_EQ(first.load->targetSeparation, 1000 / 0.3048);
  // 1 km/h is 1000 / 0.3048 / 3600 ft/s; in knots of 1.688 ft/s.
  EXPECT_DOUBLE_EQ(std::get<Headwind>(first.load->winds[1].wind).component,
                   12 * 1000 / 0.3048 / 3600 / 1.688);
}

TEST(LoadFile, EveryLoadTheProgramWritesReadsBackTheSame) {
  // The example has both kinds of wind layer, the named fall rates and a terminal speed in a
  // unit of its own; add a drag area and a terminal speed in the file's unit, leave a group and
  // the load unnamed, and write it in both unit systems. The strict reader must take every
  // file, and writing what it read gives the same text again.
  const ReadLoad example = ReadLoadText(kExample);
  ASSERT_TRUE(example.load) << example.error;
  Load load = *example.load;
  Group area = load.groups[1];
  area.name = "";
  area.fallRate.kind = FallRate::Kind::DragArea;
  area.fallRate.dragArea = 7.5;
  Group terminal = load.groups[2];
  terminal.fallRate.unit.reset();
  load.groups.push_back(area);
  load.groups.push_back(terminal);
  for (const bool metric : {false, true}) {
    if (metric) load.units = {LengthUnit::Metres, LengthUnit::Metres, SpeedUnit::MetresPerSecond};
    load.name = metric ? "Metric" : "";
    const std::string text = WriteLoadText(load);
    const ReadLoad read = ReadLoadText(text);
    ASSERT_TRUE(read.load) << read.error << "\n" << text;
    EXPECT_EQ(WriteLoadText(*read.load), text);
  }
}

}  // namespace
}  // namespace tarnwick::load
