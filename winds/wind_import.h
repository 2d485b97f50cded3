#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "load/load_model.h"

// Wind levels read from the forecasts a jumpmaster can save or paste: the aviation winds aloft
// bulletin, a sounding in the public sounding service's text format, and a response of the open
// forecast API. The text's format is told by its content, never by a file name. Every text is
// hostile: whatever it holds, the answer is levels a load can fly or one line saying why not.
namespace tarnwick::winds {

// One level as the source gives it, converted: feet msl, the model's knots (1.688 ft/s).
struct WindLevelReading {
  double altitude = 0;                // ft msl
  double speed = 0;                   // kt
  double from = 0;                    // degrees true the wind blows from; 0 when calm
  std::optional<double> temperature;  // degrees Celsius, kept for later use, not flown
};

// Where the levels came from, as the source states it: the load keeps it with its levels.
using WindSource = load::WindSource;

struct ImportOptions {
  std::optional<std::string> station;       // a bulletin's station, any case
  std::optional<std::string> forecastTime;  // "2026-06-13T15:00Z" (ParseForecastTime)
  std::optional<double> dropZoneElevation;  // ft msl; levels below it are left out
};

using GeoPosition = load::GeoPosition;

// Levels from the top down, at distinct altitudes, at least one.
struct ImportedWinds {
  std::vector<WindLevelReading> levels;
  WindSource source;
  // Where the levels stand, when the source gives it as numbers (a forecast response's grid
  // point): a fetched forecast is checked against the place it was asked for.
  std::optional<GeoPosition> position;
};

// The winds, or the one-line reason there are none.
struct WindImport {
  std::optional<ImportedWinds> winds;
  std::string error;
};

enum class WindFormat { Bulletin, Sounding, ForecastJson, Unknown };

WindFormat DetectWindFormat(std::string_view text);
WindImport ImportWinds(std::string_view text, const ImportOptions& options);

// The stations of a winds aloft bulletin, upper case, sorted, each once; none for another text.
std::vector<std::string> BulletinStations(std::string_view text);

}  // namespace tarnwick::winds
