// Wind levels, the heading's reference, the drop zone and the wind source in a load file, and
// what the report and the result JSON say of them.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/load_report.h"
#include "load/load_table.h"
#include "load/result_json.h"
#include "tests/load/example_load.h"

namespace tarnwick::load {
namespace {

using testing::Edited;

const std::string kLevels = R"("jumpRunHeading": 259, "headingReference": "magnetic",
  "magneticVariation": 11,
  "dropZone": { "name": "Meadow", "latitude": 39.57, "longitude": -104.85, "elevation": 500 },
  "windLevels": [ { "altitude": 1829, "speed": 20, "from": 250 },
                  { "altitude": 3658, "speed": 35, "from": 260 },
                  { "altitude": 2743, "headwind": -3 } ],
  "windSource": { "format": "winds aloft bulletin", "station": "DEN",
                  "issued": "DATA BASED ON 131200Z", "valid": "VALID 131800Z FOR USE 1400-2100Z" },)";

// The example in metres and km/h with levels instead of layers.
std::string LevelsExample(std::string levels = kLevels) {
  std::string text = Edited(R"("jumpRunHeading": 270,
  "winds": [ { "above": 9000, "speed": 35, "from": 250 },
             { "above": 3000, "headwind": 12 },
             { "headwind": 5 } ],)",
                            levels);
  const auto replace = [&text](const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  };
  replace(R"("altitude": "ft")", R"("altitude": "m")");
  replace(R"("speed": "kt")", R"("speed": "km/h")");
  replace(R"("indicatedAirspeed": 80, "exitAltitude": 13500)",
          R"("indicatedAirspeed": 148, "exitAltitude": 4115)");
  replace(R"("openingAltitude": 5500)", R"("openingAltitude": 1676)");
  replace(R"("atAltitude": 6000)", R"("atAltitude": 1829)");
  return text;
}

TEST(WindLevelsFile, ReadsSortsAndWritesBackTheSame) {
  const ReadLoad read = ReadLoadText(LevelsExample());
  ASSERT_TRUE(read.load) << read.error;
  const Load& load = *read.load;
  ASSERT_EQ(load.windLevels.size(), 3u);
  // Stored from the top down, in feet and the model's knots: 3658 m = 3658 / 0.3048 ft.
  EXPECT_DOUBLE_EQ(load.windLevels[0].altitude, 3658 / 0.3048);
  EXPECT_DOUBLE_EQ(load.windLevels[1].altitude, 2743 / 0.3048);
  EXPECT_DOUBLE_EQ(load.windLevels[2].altitude, 1829 / 0.3048);
  // 35 km/h = 35000 / 0.3048 / 3600 ft/s, in knots of 1.688 ft/s.
  EXPECT_DOUBLE_EQ(std::get<DirectedWind>(load.windLevels[0].wind).speed,
                   35000 / 0.3048 / 3600 / 1.688);
  EXPECT_EQ(load.jumpRunHeading, 270);  // flown true: 259 magnetic + 11 east
  EXPECT_EQ(load.headingReference, HeadingReference::Magnetic);
  ASSERT_TRUE(load.dropZone && load.dropZone->elevation);
  EXPECT_DOUBLE_EQ(*load.dropZone->elevation, 500 / 0.3048);
  ASSERT_TRUE(load.windSource);
  EXPECT_EQ(load.windSource->station, "DEN");

  const std::string text = WriteLoadText(load);
  EXPECT_NE(text.find(R"("jumpRunHeading": 259)"), std::string::npos) << text;
  const ReadLoad again = ReadLoadText(text);
  ASSERT_TRUE(again.load) << again.error;
  EXPECT_EQ(WriteLoadText(*again.load), text);
  EXPECT_EQ(again.load->windLevels.size(), 3u);
}

TEST(WindLevelsFile, RefusalsNameTheFieldAsTheFileHasIt) {
  const struct {
    std::string text, error;
  } cases[] = {
      {Edited(R"("targetSeparation")", R"("windLevels": [ { "altitude": 100, "headwind": 1 } ],
         "targetSeparation")"),
       "windLevels: a load gives its winds as layers or as levels, not both"},
      {LevelsExample(R"("jumpRunHeading": 1, "windLevels": [ { "altitude": 5, "headwind": 1 },
         { "altitude": 9, "headwind": 1 }, { "altitude": 5, "headwind": 2 } ],)"),
       "windLevels[2].altitude: stands at the altitude of windLevels[0]"},
      {LevelsExample(R"("jumpRunHeading": 1, "windLevels": [ { "altitud": 3, "headwind": 1 } ],)"),
       "windLevels[0].altitud: unknown field; did you mean altitude?"},
      {LevelsExample(R"("jumpRunHeading": 1, "windLevels": [],)"),
       "windLevels: needs at least one level"},
      // 250 kt = 250 x 1.688 x 0.3048 x 3.6 km/h = 463.052 km/h.
      {LevelsExample(R"("windLevels": [ { "altitude": 3, "speed": 500, "from": 1 } ],)"),
       "windLevels[0].speed: must lie from 0 to 463.05"},
      {LevelsExample(R"("jumpRunHeading": 1, "headingReference": "grid",)"),
       "headingReference: must be \"true\" or \"magnetic\""},
      {LevelsExample(R"("dropZone": { "elevatoin": 3 },)"),
       "dropZone.elevatoin: unknown field; did you mean elevation?"},
  };
  for (const auto& c : cases) {
    const ReadLoad read = ReadLoadText(c.text);
    EXPECT_FALSE(read.load);
    EXPECT_EQ(read.error.substr(0, c.error.size()), c.error);
  }
}

TEST(WindLevelsFile, ReportTableAndJsonShowLevelsSourceAndHeading) {
  const ReadLoad read = ReadLoadText(LevelsExample());
  ASSERT_TRUE(read.load) << read.error;
  const LoadOutcome outcome = PlanLoad(*read.load, {});
  const LoadReport report = MakeLoadReport(outcome);
  EXPECT_EQ(report.windSourceLine,
            "Winds: winds aloft bulletin DEN, DATA BASED ON 131200Z, VALID 131800Z FOR USE "
            "1400-2100Z");
  EXPECT_EQ(report.jumpRunLine, "Jump run 270\u00b0 true (259\u00b0 magnetic)");
  EXPECT_EQ(report.dropZoneLine, "Drop zone: Meadow, 39.57, -104.85, elevation 500 m");
  ASSERT_EQ(report.windLevels.size(), 3u);
  EXPECT_EQ(report.windLevels[0].altitude.text, "3658 m");
  EXPECT_EQ(report.windLevels[0].speed->text, "35 km/h");
  EXPECT_EQ(report.windLevels[1].headwind->text, "-3 km/h");

  const std::string table = LoadTableText(outcome);
  EXPECT_NE(table.find("Wind levels (m msl: km/h from deg): 3658: 35 from 260; 2743: headwind"),
            std::string::npos)
      << table;
  EXPECT_NE(table.find(report.windSourceLine.substr(0, 40)), std::string::npos);

  // The JSON echoes the levels in the file's own units and the source, field by field.
  const auto json = nlohmann::json::parse(ResultJsonText(outcome));
  ASSERT_EQ(json["windLevels"].size(), 3u);
  EXPECT_NEAR(json["windLevels"][0]["altitude"].get<double>(), 3658, 1e-9);
  EXPECT_NEAR(json["windLevels"][0]["speed"].get<double>(), 35, 1e-9);
  EXPECT_NEAR(json["windLevels"][1]["headwind"].get<double>(), -3, 1e-9);
  EXPECT_EQ(json["windSource"]["valid"], "VALID 131800Z FOR USE 1400-2100Z");
  EXPECT_EQ(json["windSource"]["model"], "");
}

}  // namespace
}  // namespace tarnwick::load
