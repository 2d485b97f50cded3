#include "winds/forecast_query.h"

#include <cmath>

#include "load/number_text.h"

namespace tarnwick::winds {
namespace {

constexpr UtcSeconds kHour = 3600;

// "2026-06-13T15:00", the API's form of an hour in the time zone asked for.
std::string QueryHour(UtcSeconds time) {
  std::string text = UtcText(time);
  text.pop_back();  // the "Z"
  return text;
}

}  // namespace

std::string LevelField(std::string_view quantity, int hectopascals) {
  return std::string(quantity) + "_" + std::to_string(hectopascals) + "hPa";
}

std::optional<std::string> ForecastQuery(double latitude, double longitude, UtcSeconds time) {
  if (!(std::abs(latitude) <= 90 && std::abs(longitude) <= 180)) return std::nullopt;
  std::string fields;
  for (int level : kForecastPressureLevels) {
    for (std::string_view quantity :
         {kWindSpeedField, kWindDirectionField, kHeightField, kTemperatureField}) {
      fields += (fields.empty() ? "" : ",") + LevelField(quantity, level);
    }
  }
  UtcSeconds first = time - time % kHour;
  if (first > time) first -= kHour;  // times before 1970 round down too
  const UtcSeconds last = first == time ? first : first + kHour;
  return "latitude=" + load::NumberText(latitude) + "&longitude=" + load::NumberText(longitude) +
         "&hourly=" + fields + "&wind_speed_unit=kn&timezone=GMT&start_hour=" + QueryHour(first) +
         "&end_hour=" + QueryHour(last);
}

}  // namespace tarnwick::winds
