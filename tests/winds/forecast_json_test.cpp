// Saved responses of the open forecast API written from its documentation, and the query that
// asks it for a drop zone's winds.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <filesystem>

#include "tests/comma_locale.h"
#include "tests/winds/winds_test_support.h"
#include "winds/forecast_answer.h"
#include "winds/forecast_query.h"
#include "winds/utc_time.h"

namespace tarnwick::winds {
namespace {

using test::Edited;
using test::ExpectLevel;
using test::Imported;
using test::kFeetPerSecondPerKnot;
using test::MetresPerSecondToKnots;
using test::MetresToFeet;
using test::Refused;

// Three hours; 850 hPa lies below the grid's 1700 m ground, 500 hPa has no value at 15:00.
std::string Response(
    const std::string& speedUnit, const std::string& zone = R"("timezone": "GMT",
  "utc_offset_seconds": 0)",
    const std::string& times = R"("2026-06-13T14:00", "2026-06-13T15:00", "2026-06-13T16:00")") {
  return R"({ "latitude": 39.57, "longitude": -104.85, "generationtime_ms": 0.4, )" + zone + R"(,
  "elevation": 1700.0,
  "hourly_units": { "time": "iso8601",
    "wind_speed_850hPa": ")" +
         speedUnit + R"(", "wind_direction_850hPa": "°", "geopotential_height_850hPa": "m",
    "wind_speed_700hPa": ")" +
         speedUnit + R"(", "wind_direction_700hPa": "°", "geopotential_height_700hPa": "m",
    "temperature_700hPa": "°C",
    "wind_speed_500hPa": ")" +
         speedUnit + R"(", "wind_direction_500hPa": "°", "geopotential_height_500hPa": "m" },
  "hourly": { "time": [)" +
         times + R"(],
    "wind_speed_850hPa": [5, 6, 7], "wind_direction_850hPa": [180, 190, 200],
    "geopotential_height_850hPa": [1490, 1495, 1500],
    "wind_speed_700hPa": [10, 37.04, 12], "wind_direction_700hPa": [250, 260, 270],
    "geopotential_height_700hPa": [3100, 3110, 3120], "temperature_700hPa": [1.5, 2.5, null],
    "wind_speed_500hPa": [40, null, 42], "wind_direction_500hPa": [270, 275, 280],
    "geopotential_height_500hPa": [5800, 5810, 5820] } })";
}

ImportOptions At(const std::string& time) {
  ImportOptions options;
  options.forecastTime = time;
  return options;
}

TEST(ForecastJson, TheNearestHoursLevelsAboveTheGroundInKnots) {
  // 37.04 km/h is 37040 m in 3600 s, in the model's knots of 1.688 ft/s.
  const double knots = 37040 / test::kMetre / 3600 / kFeetPerSecondPerKnot;
  const ImportedWinds winds = Imported(Response("km/h"), At("2026-06-13T15:20Z"));
  ASSERT_EQ(winds.levels.size(), 1u);  // 850 hPa below the ground, 500 hPa without a value
  ExpectLevel(winds.levels[0], MetresToFeet(3110), 260, knots, 2.5);
  EXPECT_EQ(winds.source.format, "forecast API");
  EXPECT_EQ(winds.source.station, "39.57, -104.85");
  EXPECT_EQ(winds.source.valid, "2026-06-13T15:00Z (nearest the asked 2026-06-13T15:20Z)");

  // No time asked: the first hour. Halfway between two hours: the earlier.
  const ImportedWinds first = Imported(Response("km/h"));
  EXPECT_EQ(first.source.valid, "2026-06-13T14:00Z");
  ASSERT_EQ(first.levels.size(), 2u);
  EXPECT_EQ(Imported(Response("km/h"), At("2026-06-13T15:30Z")).source.valid,
            "2026-06-13T15:00Z (nearest the asked 2026-06-13T15:30Z)");
  EXPECT_EQ(Refused(Response("km/h"), At("2026-06-13T17:01Z")),
            "the hour of the forecast nearest 2026-06-13T17:01Z is 2026-06-13T16:00Z, more than "
            "an hour away");
}

TEST(ForecastJson, EverySpeedUnitConvertsThroughTheMetreAndTheModelsKnot) {
  const struct {
    std::string unit;
    double knots;  // 12 of the unit
  } cases[] = {
      {"kn", 12},
      {"m/s", MetresPerSecondToKnots(12)},
      {"km/h", 12000 / test::kMetre / 3600 / kFeetPerSecondPerKnot},
      {"mp/h", 12 * 5280.0 / 3600 / kFeetPerSecondPerKnot},
  };
  for (const auto& c : cases) {
    const ImportedWinds winds = Imported(Response(c.unit), At("2026-06-13T16:00Z"));
    ASSERT_EQ(winds.levels.size(), 2u) << c.unit;
    EXPECT_DOUBLE_EQ(winds.levels[1].speed, c.knots) << c.unit;
  }
  EXPECT_EQ(Refused(Response("furlongs")),
            "hourly_units.wind_speed_500hPa: \"furlongs\" is not kn, km/h, m/s or mp/h");
}

TEST(ForecastJson, LocalTimesAreTakenBackToUtc) {
  const std::string denver =
      Response("kn", R"("timezone": "America/Denver", "utc_offset_seconds": -21600)",
               R"("2026-06-13T08:00", "2026-06-13T09:00", "2026-06-13T10:00")");
  EXPECT_EQ(Imported(denver, At("2026-06-13T15:00Z")).source.valid, "2026-06-13T15:00Z");
  EXPECT_EQ(Refused(Response("kn", R"("timezone": "America/Denver")")),
            "the forecast response's times are not in UTC and it gives no utc_offset_seconds");
}

TEST(ForecastJson, DamagedResponsesAreRefused) {
  const auto damaged = [](const std::string& from, const std::string& to) {
    return Refused(test::Edited(Response("kn"), from, to));
  };
  EXPECT_EQ(damaged("[10, 37.04, 12]", "[10, 37.04]"),
            "hourly.wind_speed_700hPa has 2 values for 3 hours");
  EXPECT_EQ(damaged("[10, 37.04, 12]", "[\"10\", 37.04, 12]"),
            "hourly.wind_speed_700hPa[0] is not a number");
  EXPECT_EQ(damaged("[10, 37.04, 12]", "[260, 37.04, 12]"),
            "the 700 hPa level: a wind speed of 260 kt lies outside 0 to 250 kt");
  EXPECT_EQ(damaged("\"geopotential_height_700hPa\": [3100, 3110, 3120], ", ""),
            "hourly.geopotential_height_700hPa is missing");
  EXPECT_EQ(damaged("\"2026-06-13T14:00\"", "\"2026-06-13 14:00\""),
            "hourly.time[0] is not a time such as 2026-06-13T15:00");
  EXPECT_EQ(Refused(R"({ "hourly_units": {}, "hourly": { "time": ["2026-06-13T14:00"] } })"),
            "the forecast response has no pressure levels' winds (hourly.wind_speed_850hPa and "
            "so on)");
  EXPECT_EQ(Refused(std::string(100, '[') + std::string(100, ']')),
            "the forecast response nests deeper than 64 levels");
  for (const char* text : {"{ \"hourly\": ", "{ \"elevation\": 1e999 }"}) {
    EXPECT_EQ(Refused(text).rfind("the forecast response is not JSON: ", 0), 0u) << text;
  }
}

TEST(ForecastQuery, AsksForTheLevelsInKnotsAroundTheHour) {
  const UtcSeconds at1520 = *TimeOf(2026, 6, 13, 15, 20, 0);
  const std::string query = ForecastQuery(39.57, -104.85, at1520).value();
  EXPECT_EQ(query.rfind("latitude=39.57&longitude=-104.85&hourly=wind_speed_1000hPa,", 0), 0u);
  for (const char* part :
       {"geopotential_height_400hPa", "wind_direction_925hPa", "&wind_speed_unit=kn",
        "&timezone=GMT", "&start_hour=2026-06-13T15:00&end_hour=2026-06-13T16:00"}) {
    EXPECT_NE(query.find(part), std::string::npos) << part;
  }
  const UtcSeconds at1500 = *TimeOf(2026, 6, 13, 15, 0, 0);
  EXPECT_NE(
      ForecastQuery(0, 0, at1500)->find("start_hour=2026-06-13T15:00&end_hour=2026-06-13T15:00"),
      std::string::npos);
  EXPECT_FALSE(ForecastQuery(91, 0, at1500));
  EXPECT_FALSE(ForecastQuery(0, std::nan(""), at1500));
}

TEST(ForecastQuery, NumbersReadAndWriteAlikeUnderACommaLocale) {
  std::string error;
  const std::string madeFolder = tarnwick::test::ProvideCommaLocale(error);
  ASSERT_EQ(error, "");
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
  const std::string query = ForecastQuery(39.57, -104.85, 0).value();
  const ImportedWinds winds = Imported(Response("km/h"), At("2026-06-13T15:00Z"));
  std::setlocale(LC_ALL, "C");
  if (!madeFolder.empty()) std::filesystem::remove_all(madeFolder);
  EXPECT_NE(query.find("latitude=39.57&longitude=-104.85&"), std::string::npos);
  ASSERT_EQ(winds.levels.size(), 1u);
  EXPECT_DOUBLE_EQ(winds.levels[0].speed, 37040 / test::kMetre / 3600 / kFeetPerSecondPerKnot);
}

TEST(ForecastAnswer, TheHourAskedAndTheDistanceToTheGridPoint) {
  // Without a time: now to the nearest hour, half an hour up.
  const UtcSeconds at1500 = *TimeOf(2026, 6, 13, 15, 0, 0);
  EXPECT_EQ(NearestHour(at1500 + 29 * 60 + 59), at1500);
  EXPECT_EQ(NearestHour(at1500 + 30 * 60), at1500 + 3600);
  EXPECT_EQ(NearestHour(-1), 0);
  // A degree of latitude on the mean sphere is 6371 km x pi / 180; across the date line the
  // short way round, half a degree of the equator.
  EXPECT_NEAR(GroundDistance({39, -104.85}, {40, -104.85}), 6371 * 3.141592653589793 / 180, 1e-9);
  EXPECT_NEAR(GroundDistance({0, 179.75}, {0, -179.75}), 6371 * 3.141592653589793 / 360, 1e-9);
}

TEST(ForecastAnswer, OnlyAForecastForThePlaceAsked) {
  ForecastAsk ask;
  ask.dropZone = {39.57, -104.85};
  ask.time = *TimeOf(2026, 6, 13, 15, 0, 0);
  const WindImport taken = ImportForecastAnswer(Response("kn"), ask);
  ASSERT_TRUE(taken.winds) << taken.error;
  EXPECT_EQ(taken.winds->source.note,
            "fetched for 39.57, -104.85 at 2026-06-13T15:00Z; the forecast's grid point lies 0 km "
            "from it");
  ask.dropZone = {39.57, -105.5};  // 0.65 degrees of longitude at 39.57 N: about 56 km
  EXPECT_EQ(ImportForecastAnswer(Response("kn"), ask).error,
            "the forecast service answered for 39.57, -104.85, 55.7 km from the drop zone at "
            "39.57, -105.5; a forecast for another place is not taken");
  EXPECT_EQ(ImportForecastAnswer("FT 3000 6000\nABC 2415 2418", ask).error,
            "the forecast service's answer is not a forecast response: it begins \"FT 3000 6000\"");
  EXPECT_EQ(ImportForecastAnswer(Edited(Response("kn"), R"("latitude": 39.57, )", ""), ask).error,
            "the forecast service's answer does not say for which place it is");
}

}  // namespace
}  // namespace tarnwick::winds
