// A winds aloft bulletin written from the product's published description: groups stand under
// the level names of the FT line, DDss with a signed temperature up to 24000 ft and an
// unsigned, negative one above; 9900 is light and variable; a direction code above 50 carries
// 100 kt more; a high station has no groups at its low levels.
#include <gtest/gtest.h>

#include "tests/winds/winds_test_support.h"

namespace tarnwick::winds {
namespace {

using test::ExpectLevel;
using test::Imported;
using test::Refused;

const std::string kHeader = R"(000
FBUS31 KWNO 131359
FD1US1
DATA BASED ON 131200Z
VALID 131800Z   FOR USE 1400-2100Z. TEMPS NEG ABV 24000

)";
const std::string kLevelNames =
    "FT  3000    6000    9000   12000   18000   24000  30000  34000  39000\n";
const std::string kLowStations =
    "ABI 2415 2418+15 2422+09 2327+03 2541-09 2556-21 750937 751047 760957\n"
    "ABQ              2712+12 2718+04 2630-10 2642-22 265538 266846 267256\n";
const std::string kDenver =
    "DEN              9900+10 2729+02 7325-12 2845-24 779939 771045 770655\n";
const std::string kBulletin = kHeader + kLevelNames + kLowStations + kDenver;

ImportOptions Station(const std::string& id) {
  ImportOptions options;
  options.station = id;
  return options;
}

TEST(Bulletin, AHighStationsGroupsDecodedUnderTheirLevels) {
  const ImportedWinds winds = Imported(kBulletin, Station("den"));
  ASSERT_EQ(winds.levels.size(), 7u);  // 3000 and 6000 ft blank: too close to the station
  ExpectLevel(winds.levels[0], 39000, 270, 106, -55);
  ExpectLevel(winds.levels[1], 34000, 270, 110, -45);
  ExpectLevel(winds.levels[2], 30000, 270, 199, -39);  // 7799: 199 kt or more
  ExpectLevel(winds.levels[3], 24000, 280, 45, -24);
  ExpectLevel(winds.levels[4], 18000, 230, 125, -12);  // 7325: 230 degrees, 125 kt
  ExpectLevel(winds.levels[5], 12000, 270, 29, 2);
  ExpectLevel(winds.levels[6], 9000, 0, 0, 10);  // 9900: light and variable, calm
  EXPECT_EQ(winds.source.format, "winds aloft bulletin");
  EXPECT_EQ(winds.source.station, "DEN");
  EXPECT_EQ(winds.source.issued, "DATA BASED ON 131200Z");
  EXPECT_EQ(winds.source.valid, "VALID 131800Z FOR USE 1400-2100Z");
  EXPECT_NE(winds.source.note.find("pressure altitudes"), std::string::npos);
}

TEST(Bulletin, ALowStationFromThreeThousandFeetAndTheDropZoneFloor) {
  ImportOptions options = Station("ABI");
  options.dropZoneElevation = 6000;  // 3000 ft lies below it; 6000 ft itself is kept
  const ImportedWinds winds = Imported(kBulletin, options);
  ASSERT_EQ(winds.levels.size(), 8u);
  ExpectLevel(winds.levels[0], 39000, 260, 109, -57);
  ExpectLevel(winds.levels[2], 30000, 250, 109, -37);
  ExpectLevel(winds.levels[7], 6000, 240, 18, 15);
}

TEST(Bulletin, StationsAreListedAndChosen) {
  EXPECT_EQ(BulletinStations(kBulletin), (std::vector<std::string>{"ABI", "ABQ", "DEN"}));
  EXPECT_TRUE(BulletinStations("not a bulletin").empty());
  EXPECT_EQ(Refused(kBulletin),
            "the bulletin holds 3 stations (ABI, ABQ, DEN): give one with --station");
  EXPECT_EQ(Refused(kBulletin, Station("DEX")),
            "the bulletin holds no station \"DEX\" (the nearest is DEN)");
  EXPECT_EQ(Refused(kBulletin, Station("XYZW")), "the bulletin holds no station \"XYZW\"");

  // A text with one station needs no choice; a station in two bulletins is not guessed at.
  EXPECT_EQ(Imported(kHeader + kLevelNames + kDenver).source.station, "DEN");
  const std::string twice =
      kBulletin + "VALID 140000Z FOR USE 2100-0600Z\n" + kLevelNames + kDenver;
  EXPECT_EQ(Refused(twice, Station("DEN")),
            "station DEN stands in 2 bulletins of the text (VALID 131800Z FOR USE 1400-2100Z; "
            "VALID 140000Z FOR USE 2100-0600Z): import one bulletin at a time");
}

TEST(Bulletin, DamagedGroupsAreRefusedNamingThem) {
  const auto damaged = [](const std::string& from, const std::string& to) {
    return Refused(test::Edited(kBulletin, from, to), Station("DEN"));
  };
  EXPECT_EQ(damaged("2729+02", "4029+02"),
            "station DEN, group \"4029+02\" under 12000 ft: not a wind group (DDss, DDss+tt, or "
            "DDsstt above 24000 ft)");
  EXPECT_NE(damaged("9900+10", "9905+10").find("not a wind group"), std::string::npos);
  EXPECT_NE(damaged("2729+02", "272902").find("not a wind group"), std::string::npos);
  // Columns 16 to 19 lie between the names 6000 and 9000; columns 12 to 22 reach under both.
  EXPECT_NE(
      Refused(kBulletin + "XYZ             2415\n", Station("XYZ")).find("under no level, or two"),
      std::string::npos);
  EXPECT_NE(Refused(kBulletin + "XYZ         24152415242\n", Station("XYZ"))
                .find("under no level, or two"),
            std::string::npos);
  EXPECT_NE(damaged("30000  34000", "30000 29000").find("rising levels"), std::string::npos);
}

}  // namespace
}  // namespace tarnwick::winds
