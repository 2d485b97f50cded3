#include "web/engine/page_winds.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "load/load_file.h"
#include "winds/forecast_answer.h"
#include "winds/forecast_query.h"
#include "winds/load_winds.h"
#include "winds/wind_import.h"
#include "winds/winds_limits.h"

namespace tarnwick::web {
namespace {

using Json = nlohmann::ordered_json;

// The load with the imported levels, written as the desktop writes load files.
PlanAnswer WithLevels(const load::Load& load, const winds::WindImport& imported) {
  if (!imported.winds) return {{}, imported.error};
  const winds::LoadWithLevels replaced = winds::WithWindLevels(load, *imported.winds);
  if (!replaced.load) return {{}, "the load cannot fly these levels: " + replaced.error};
  return {load::WriteLoadText(*replaced.load), {}};
}

// A time the page gives, in whole seconds; none for a number JavaScript should never send.
std::optional<winds::UtcSeconds> SecondsOf(double seconds) {
  // Within the years forecast times are read in (utc_time.h: 1900 to 9999).
  if (!std::isfinite(seconds) || std::abs(seconds) > 3e11) return std::nullopt;
  return static_cast<winds::UtcSeconds>(std::floor(seconds));
}

}  // namespace

std::string WindStationsJson(std::string_view windText) {
  return Json(winds::BulletinStations(windText)).dump();
}

PlanAnswer ImportWindsText(std::string_view loadText, std::string_view windText,
                           std::string_view station) {
  const load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {{}, read.error};
  winds::ImportOptions options;
  if (!station.empty()) options.station = std::string(station);
  if (read.load->dropZone) options.dropZoneElevation = read.load->dropZone->elevation;
  return WithLevels(*read.load, winds::ImportWinds(windText, options));
}

PlanAnswer ForecastRequestJson(std::string_view loadText, double nowSeconds) {
  const load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {{}, read.error};
  const auto now = SecondsOf(nowSeconds);
  if (!now) return {{}, "the browser's clock gives no time"};
  const winds::ForecastAskReading reading = winds::ForecastAskFor(*read.load, std::nullopt, *now);
  if (!reading.ask) return {{}, reading.error};
  const winds::ForecastAsk& ask = *reading.ask;
  const auto query = winds::ForecastQuery(ask.dropZone.latitude, ask.dropZone.longitude, ask.time);
  if (!query) return {{}, "the drop zone's position is not on the globe"};
  const Json request = {{"url", std::string(winds::kForecastEndpoint) + "?" + *query},
                        {"time", ask.time},
                        {"timeoutSeconds", winds::limits::kForecastTimeoutSeconds}};
  return {request.dump(), {}};
}

PlanAnswer ImportForecastText(std::string_view loadText, std::string_view body,
                              double timeSeconds) {
  const load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {{}, read.error};
  const auto time = SecondsOf(timeSeconds);
  if (!time) return {{}, "the forecast's time is not understood"};
  // The same ask as the request's: its time is already on the hour.
  const winds::ForecastAskReading reading = winds::ForecastAskFor(*read.load, std::nullopt, *time);
  if (!reading.ask) return {{}, reading.error};
  return WithLevels(*read.load, winds::ImportForecastAnswer(body, *reading.ask));
}

}  // namespace tarnwick::web
