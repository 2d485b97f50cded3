#pragma once

#include <optional>
#include <string_view>

#include "winds/utc_time.h"
#include "winds/wind_import.h"

// A saved response of the open forecast API: JSON with "hourly" arrays per pressure level
// ("wind_speed_850hPa", "wind_direction_850hPa", "geopotential_height_850hPa") over the hours of
// "hourly.time", and their units in "hourly_units".
namespace tarnwick::winds {

// The hour nearest `asked` (the first hour when none is asked) is taken.
WindImport ImportForecastJson(std::string_view text, const ImportOptions& options,
                              std::optional<UtcSeconds> asked);

}  // namespace tarnwick::winds
