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

struct ForecastAskOfPage {
  std::optional<load::Load> load;
  std::optional<winds::ForecastAsk> ask;
  std::string error;
};

// The load and the forecast it asks for at `seconds` to the nearest hour, as the desktop asks.
ForecastAskOfPage AskOf(std::string_view loadText, double seconds, const char* badTime) {
  load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {std::nullopt, std::nullopt, read.error};
  const auto time = SecondsOf(seconds);
  if (!time) return {std::nullopt, std::nullopt, badTime};
  winds::ForecastAskReading reading = winds::ForecastAskFor(*read.load, std::nullopt, *time);
  if (!reading.ask) return {std::nullopt, std::nullopt, reading.error};
  return {std::move(read.load), reading.ask, {}};
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
  const ForecastAskOfPage asked = AskOf(loadText, nowSeconds, "the browser's clock gives no time");
  if (!asked.ask) return {{}, asked.error};
  const winds::ForecastAsk& ask = *asked.ask;
  const auto query = winds::ForecastQuery(ask.dropZone.latitude, ask.dropZone.longitude, ask.time);
  if (!query) return {{}, "the drop zone's position is not on the globe"};
  const Json request = {{"url", std::string(winds::kForecastEndpoint) + "?" + *query},
                        {"time", ask.time},
                        {"timeoutSeconds", winds::limits::kForecastTimeoutSeconds}};
  return {request.dump(), {}};
}

PlanAnswer ImportForecastText(std::string_view loadText, std::string_view body,
                              double timeSeconds) {
  // The same ask as the request's: its time is already on the hour.
  const ForecastAskOfPage asked =
      AskOf(loadText, timeSeconds, "the forecast's time is not understood");
  if (!asked.ask) return {{}, asked.error};
  return WithLevels(*asked.load, winds::ImportForecastAnswer(body, *asked.ask));
}

}  // namespace tarnwick::web
