#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "load/load_model.h"
#include "winds/utc_time.h"
#include "winds/wind_import.h"

// A forecast fetched for a drop zone: what is asked, and how the service's answer is taken.
// The fetching itself is the program's (Qt Network); the rules are here, without Qt.
namespace tarnwick::winds {

struct ForecastAsk {
  GeoPosition dropZone;
  UtcSeconds time = 0;                      // --forecast-time, or now to the nearest hour
  std::optional<double> dropZoneElevation;  // ft msl; levels below it are left out
};

// The forecast a load asks for: at its drop zone's position and for its elevation, at
// `forecastTime` (ParseForecastTime's form) or, without one, `now` to the nearest hour.
// Refused in one line when the load has no drop zone position or the time cannot be read.
struct ForecastAskReading {
  std::optional<ForecastAsk> ask;
  std::string error;
};
ForecastAskReading ForecastAskFor(const load::Load& load,
                                  const std::optional<std::string>& forecastTime, UtcSeconds now);

// "39.57, -104.85", as the sources write a position.
std::string PositionText(GeoPosition position);

// The current time, from the system clock.
UtcSeconds CurrentTime();

// The hour a forecast is asked for when no time is given: `now` to the nearest hour.
UtcSeconds NearestHour(UtcSeconds now);

// The distance between two places on a sphere of the earth's mean radius, km.
double GroundDistance(GeoPosition a, GeoPosition b);

// The levels of the service's answer to `ask`. Only a forecast response is taken, under the
// rules of a saved one at the asked time (the hour nearest it, refused more than an hour
// away). An answer that does not say its grid point, or whose grid point lies farther than
// limits::kMaxGridDistance from the drop zone, is refused. The source's note says for which
// place and time the forecast was asked and how far its grid point lies from it.
WindImport ImportForecastAnswer(std::string_view body, const ForecastAsk& ask);

}  // namespace tarnwick::winds
