// What every import shares: detection by content, the refusals of texts that are none of the
// formats, the size limit, and the one reader of forecast times.
#include <gtest/gtest.h>

#include "tests/winds/winds_test_support.h"
#include "winds/utc_time.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

using test::Refused;

TEST(WindImport, FormatsAreToldByContent) {
  EXPECT_EQ(DetectWindFormat("DATA BASED ON 131200Z\nFT  3000    6000\nDEN 2415 2418+15\n"),
            WindFormat::Bulletin);
  EXPECT_EQ(DetectWindFormat("\xEF\xBB\xBF    254     12     13      JUN    2026\r\n"),
            WindFormat::Sounding);
  EXPECT_EQ(DetectWindFormat("RAP analysis\r\nRAP 12 13 Jun 2026\r\nCAPE 0 CIN 0\r\n"),
            WindFormat::Sounding);
  EXPECT_EQ(DetectWindFormat("\n  { \"hourly\": {} }"), WindFormat::ForecastJson);
  EXPECT_EQ(DetectWindFormat("FT is not a bulletin\nNor is 12 13 Jun 2026 a header"),
            WindFormat::Unknown);
}

TEST(WindImport, TextsOfNoFormatAreRefusedSayingWhatWasFound) {
  EXPECT_EQ(Refused(""), "the text is empty");
  EXPECT_EQ(Refused(" \n\t\n"), "the text is empty");
  EXPECT_EQ(Refused("\n\x1b[31mMETAR KDEN 131753Z\nmore"),
            "the text is neither a winds aloft bulletin, a sounding nor a forecast response: its "
            "first line is \"\\x1b[31mMETAR KDEN 131753Z\"");
  const std::string huge(limits::kMaxTextBytes + 1, ' ');
  EXPECT_EQ(Refused(huge), "the text holds 4194305 bytes, more than the 4 MiB a forecast may");

  ImportOptions station;
  station.station = "DEN";
  EXPECT_EQ(Refused("{}", station),
            "a station is chosen only in a winds aloft bulletin, and the text is not one");
  ImportOptions badTime;
  badTime.forecastTime = "2026-06-13 15:00";
  EXPECT_EQ(Refused("{}", badTime),
            "the forecast time \"2026-06-13 15:00\" is not a time in UTC such as "
            "2026-06-13T15:00Z");
}

TEST(WindImport, ForecastTimesAreReadInUtcOnly) {
  // Seconds since 1970 from `date -u -d ... +%s`.
  EXPECT_EQ(ParseForecastTime("2026-06-13T15:00Z").time, 1781362800);
  EXPECT_EQ(ParseForecastTime("2024-02-29T23:59:30Z").time, 1709251170);
  EXPECT_EQ(UtcText(1709251170), "2024-02-29T23:59:30Z");
  EXPECT_EQ(UtcText(1781362800), "2026-06-13T15:00Z");
  for (const char* text : {"2026-06-13T15:00", "2026-06-13T15:00+02:00", "2026-02-29T12:00Z",
                           "2026-06-13T24:00Z", "2026-6-13T15:00Z", "2026-06-13T15:00Z ", ""}) {
    const TimeReading reading = ParseForecastTime(text);
    EXPECT_FALSE(reading.time) << text;
    EXPECT_NE(reading.error.find("is not a time in UTC"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace tarnwick::winds
