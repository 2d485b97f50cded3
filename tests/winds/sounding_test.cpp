// Soundings written from the public sounding service's format description: a balloon sounding
// in knots with the balloon's extra columns, and model soundings (title and CAPE lines) in
// tenths of a metre per second; missing values are 32767 or 99999.
#include <gtest/gtest.h>

#include "tests/winds/winds_test_support.h"

namespace tarnwick::winds {
namespace {

using test::ExpectLevel;
using test::Imported;
using test::MetresPerSecondToKnots;
using test::MetresToFeet;
using test::Refused;

const std::string kBalloon = R"(    254     12     13      JUN    2026
      1  23062  72469  39.77 104.87   1611   1102
      2    700    100    200     24  99999      3
      3           DNR                 1     kt
      9   8370   1611    224     59    200      8   1102      0      0
      4   8500   1461    251     30    190      5  99999  99999  99999
      5   8000   1958    180     10  99999  99999   1104     20      1
      6   7500   2487  99999  99999    250     21   1105     45      2
      4   7000   3090    -15    -95    260     30   1108     75      4
      4   6000  99999   -70   -150    265     40   1110     80      6
      7   2500  10600   -560   -650    270     95   1131     85     25
      8   2200  11400   -580   -680    275    120   1134     85     28
      4   1000  16500   -640   -800    280     40   1150     90     40
      4    200  26500   -500   -900    270     20   1210     90     60
)";

std::string ModelSounding(int hour) {
  const std::string h = std::to_string(hour);
  return "RAP analysis valid for grid point 1.6 nm / 283 deg from 39.57,-104.85:\n"
         "RAP      " +
         h +
         "     13      Jun    2026\n"
         "CAPE      0    CIN      0  Helic  99999     PW  99999\n"
         "      1  23062  99999  39.57104.85  99999  99999\n"
         "      2  99999  99999  99999     37  99999  99999\n"
         "      3           39.57,-104.85   12     ms\n"
         "      9   8170   1788    224     59    250     51\n"
         "      4   8500   1447  32767  32767    240     80\n"
         "      4   8000   1957    233     21    249    103\n"
         "      4   7000   3030    -12    -40    260    257\n";
}

TEST(Sounding, ABalloonInKnotsKeepsTheLevelsAboveTheSurface) {
  const ImportedWinds winds = Imported(kBalloon);
  // Left out: 1461 m (below the 1611 m surface), 1958 m (no wind), the missing height, and
  // 26500 m (above 60000 ft).
  ASSERT_EQ(winds.levels.size(), 6u);
  ExpectLevel(winds.levels[0], MetresToFeet(16500), 280, 40, -64);
  ExpectLevel(winds.levels[1], MetresToFeet(11400), 275, 120, -58);
  ExpectLevel(winds.levels[2], MetresToFeet(10600), 270, 95, -56);
  ExpectLevel(winds.levels[3], MetresToFeet(3090), 260, 30, -1.5);
  ExpectLevel(winds.levels[4], MetresToFeet(2487), 250, 21, std::nullopt);
  ExpectLevel(winds.levels[5], MetresToFeet(1611), 200, 8, 22.4);
  EXPECT_EQ(winds.source.format, "sounding");
  EXPECT_EQ(winds.source.station, "DNR");
  EXPECT_EQ(winds.source.model, "");  // the older header names no type
  EXPECT_EQ(winds.source.valid, "2026-06-13T12:00Z");
}

TEST(Sounding, AModelInTenthsOfAMetrePerSecondAboveTheDropZone) {
  ImportOptions options;
  options.dropZoneElevation = 6000;  // above the 1788 m (5866 ft) surface, below 1957 m
  const ImportedWinds winds = Imported(ModelSounding(15), options);
  ASSERT_EQ(winds.levels.size(), 2u);
  ExpectLevel(winds.levels[0], MetresToFeet(3030), 260, MetresPerSecondToKnots(25.7), -1.2);
  ExpectLevel(winds.levels[1], MetresToFeet(1957), 249, MetresPerSecondToKnots(10.3), 23.3);
  EXPECT_EQ(winds.source.station, "39.57, -104.85");
  EXPECT_EQ(winds.source.model, "RAP");
  EXPECT_EQ(winds.source.note,
            "RAP analysis valid for grid point 1.6 nm / 283 deg from 39.57,-104.85:");
  ASSERT_EQ(Imported(ModelSounding(15)).levels.size(), 3u);  // with the surface, not 1447 m
}

TEST(Sounding, OfSeveralTheAskedHourIsTakenAndSaidSo) {
  const std::string two = ModelSounding(15) + ModelSounding(16);
  EXPECT_EQ(Imported(two).source.valid, "2026-06-13T15:00Z");
  EXPECT_NE(Imported(two).source.note.find("sounding 1 of 2"), std::string::npos);
  ImportOptions options;
  options.forecastTime = "2026-06-13T16:20Z";
  EXPECT_EQ(Imported(two, options).source.valid,
            "2026-06-13T16:00Z (nearest the asked 2026-06-13T16:20Z)");
  options.forecastTime = "2026-06-13T18:00Z";
  EXPECT_EQ(Refused(two, options),
            "the sounding nearest 2026-06-13T18:00Z is 2026-06-13T16:00Z, more than an hour away");
}

TEST(Sounding, DamagedLinesAreRefusedNamingTheLine) {
  const auto damaged = [](const std::string& from, const std::string& to) {
    return Refused(test::Edited(kBalloon, from, to));
  };
  EXPECT_EQ(damaged("1     kt", "1"),
            "line 5: the sounding's type 3 line names no wind speed unit (kt or ms) before it");
  EXPECT_EQ(damaged("   260     30", "   260     3O"), "line 9: \"3O\" is not a whole number");
  EXPECT_EQ(damaged("   275    120", "   275    320"),
            "line 12: a wind speed of 320 kt lies outside 0 to 250 kt");
  EXPECT_EQ(damaged("   260     30", "   460     30"),
            "line 9: a wind direction of 460 degrees lies outside 0 to 360");
  EXPECT_EQ(damaged("      5   8000", "     12   8000"),
            "line 7: no sounding line has the type \"12\"");
  EXPECT_EQ(damaged("13      JUN", "31      JUN"),
            "line 1: the sounding's hour, day, month and year are not a time");
}

}  // namespace
}  // namespace tarnwick::winds
