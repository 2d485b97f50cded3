#include "winds/forecast_answer.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>

#include "load/number_text.h"
#include "winds/text_lines.h"
#include "winds/wind_levels.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

constexpr UtcSeconds kHour = 3600;
constexpr double kEarthRadius = 6371.0;  // km, the mean radius

double Radians(double degrees) {
  return degrees * std::numbers::pi / 180;
}

}  // namespace

std::string PositionText(GeoPosition position) {
  return load::NumberText(position.latitude) + ", " + load::NumberText(position.longitude);
}

ForecastAskReading ForecastAskFor(const load::Load& load,
                                  const std::optional<std::string>& forecastTime, UtcSeconds now) {
  const std::optional<GeoPosition> position = load::LandingAreaPosition(load);
  if (!position) {
    return {std::nullopt,
            "the load gives no drop zone position (dropZone.latitude and dropZone.longitude), "
            "and the forecast is fetched for it"};
  }
  ForecastAsk ask;
  ask.dropZone = *position;
  ask.dropZoneElevation = load.dropZone->elevation;
  ask.time = NearestHour(now);
  if (forecastTime) {
    const TimeReading reading = ParseForecastTime(*forecastTime);
    if (!reading.time) return {std::nullopt, reading.error};
    ask.time = *reading.time;
  }
  return {ask, {}};
}

UtcSeconds CurrentTime() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

UtcSeconds NearestHour(UtcSeconds now) {
  const UtcSeconds shifted = now + kHour / 2;
  UtcSeconds hour = shifted - shifted % kHour;
  if (hour > shifted) hour -= kHour;  // times before 1970 round down too
  return hour;
}

double GroundDistance(GeoPosition a, GeoPosition b) {
  // The haversine formula, well conditioned for the short distances that matter here.
  const double dLatitude = Radians(b.latitude - a.latitude);
  const double dLongitude = Radians(b.longitude - a.longitude);
  const double h = std::pow(std::sin(dLatitude / 2), 2) + std::cos(Radians(a.latitude)) *
                                                              std::cos(Radians(b.latitude)) *
                                                              std::pow(std::sin(dLongitude / 2), 2);
  return 2 * kEarthRadius * std::asin(std::sqrt(std::min(1.0, h)));
}

WindImport ImportForecastAnswer(std::string_view body, const ForecastAsk& ask) {
  if (DetectWindFormat(body) != WindFormat::ForecastJson) {
    const std::vector<std::string_view> lines = Lines(body);
    return Refusal("the forecast service's answer is not a forecast response: it begins " +
                   QuotedExcerpt(lines.empty() ? std::string_view() : lines.front()));
  }
  ImportOptions options;
  options.forecastTime = UtcText(ask.time);
  options.dropZoneElevation = ask.dropZoneElevation;
  WindImport imported = ImportWinds(body, options);
  if (!imported.winds) return imported;
  ImportedWinds& winds = *imported.winds;
  if (!winds.position) {
    return Refusal("the forecast service's answer does not say for which place it is");
  }
  const double distance = GroundDistance(ask.dropZone, *winds.position);
  const std::string asked = PositionText(ask.dropZone);
  if (!(distance <= limits::kMaxGridDistance)) {
    return Refusal("the forecast service answered for " + PositionText(*winds.position) + ", " +
                   MessageNumber(distance) + " km from the drop zone at " + asked +
                   "; a forecast for another place is not taken");
  }
  winds.source.note = "fetched for " + asked + " at " + UtcText(ask.time) +
                      "; the forecast's grid point lies " + MessageNumber(distance) + " km from it";
  return imported;
}

}  // namespace tarnwick::winds
