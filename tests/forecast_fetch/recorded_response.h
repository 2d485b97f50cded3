#pragma once

#include <QByteArray>

// An answer of the open forecast API as its documentation describes one, for the query the
// program sends for 39.57 N, 104.85 W at 2026-06-13T15:00Z: one hour, winds in knots, heights
// in metres. 850 hPa lies below the grid's ground (1600 m) and is left out.
namespace tarnwick::test {

inline QByteArray RecordedResponse(const QByteArray& latitude = "39.57",
                                   const QByteArray& hour = "2026-06-13T15:00") {
  return R"({"latitude":)" + latitude + R"(,"longitude":-104.85,"generationtime_ms":0.52,
"utc_offset_seconds":0,"timezone":"GMT","timezone_abbreviation":"GMT","elevation":1600.0,
"hourly_units":{"time":"iso8601",
 "wind_speed_850hPa":"kn","wind_direction_850hPa":"°","geopotential_height_850hPa":"m",
 "wind_speed_700hPa":"kn","wind_direction_700hPa":"°","geopotential_height_700hPa":"m",
 "temperature_700hPa":"°C",
 "wind_speed_500hPa":"kn","wind_direction_500hPa":"°","geopotential_height_500hPa":"m"},
"hourly":{"time":[")" +
         hour + R"("],
 "wind_speed_850hPa":[10.0],"wind_direction_850hPa":[200],"geopotential_height_850hPa":[1500.0],
 "wind_speed_700hPa":[20.0],"wind_direction_700hPa":[250],"geopotential_height_700hPa":[3100.0],
 "temperature_700hPa":[2.5],
 "wind_speed_500hPa":[40.0],"wind_direction_500hPa":[270],"geopotential_height_500hPa":[5800.0]}})";
}

// The levels it holds from the top down, feet through the exact metre of 0.3048 ft.
inline constexpr double kRecordedTopAltitude = 5800 / 0.3048;
inline constexpr double kRecordedLowAltitude = 3100 / 0.3048;

}  // namespace tarnwick::test
