#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "winds/utc_time.h"

// What the open forecast API is asked for a drop zone's winds, and the names of the response's
// fields, which the reader of a saved response shares.
namespace tarnwick::winds {

// The public service's forecast endpoint; the program appends "?" and the query.
inline constexpr std::string_view kForecastEndpoint = "https://api.open-meteo.com/v1/forecast";

// The pressure levels asked for, hPa: from near the ground to above any exit altitude.
inline constexpr std::array<int, 11> kForecastPressureLevels = {1000, 975, 950, 925, 900, 850,
                                                                800,  700, 600, 500, 400};

// The quantities of each pressure level: hourly fields "wind_speed_850hPa" and so on.
inline constexpr std::string_view kWindSpeedField = "wind_speed";
inline constexpr std::string_view kWindDirectionField = "wind_direction";
inline constexpr std::string_view kHeightField = "geopotential_height";
inline constexpr std::string_view kTemperatureField = "temperature";

// "wind_speed_850hPa".
std::string LevelField(std::string_view quantity, int hectopascals);

// The query for the hour of `time` at a position (degrees, north and east positive): the
// pressure levels' winds in knots, heights and temperatures, in UTC, from the hour at or before
// `time` to the hour at or after it. Nothing for a position off the globe.
std::optional<std::string> ForecastQuery(double latitude, double longitude, UtcSeconds time);

}  // namespace tarnwick::winds
