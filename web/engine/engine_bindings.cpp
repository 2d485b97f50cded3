// The web page's engine: PlanLoadText, EditLoadText and the winds' imports for JavaScript, through
// embind. The module is built with MODULARIZE, so a page (or its worker) makes it with `await
// TarnwickEngine()`.
#include <emscripten/bind.h>

#include "web/engine/page_answer.h"
#include "web/engine/page_winds.h"

namespace {

tarnwick::web::PlanAnswer Plan(const std::string& loadText, bool recommend, bool bestOrder,
                               bool spot, bool forPage) {
  return tarnwick::web::PlanLoadText(loadText, {recommend, bestOrder, spot, forPage});
}

std::string WindStations(const std::string& windText) {
  return tarnwick::web::WindStationsJson(windText);
}

tarnwick::web::PlanAnswer ImportWinds(const std::string& loadText, const std::string& windText,
                                      const std::string& station) {
  return tarnwick::web::ImportWindsText(loadText, windText, station);
}

tarnwick::web::PlanAnswer ForecastRequest(const std::string& loadText, double nowSeconds) {
  return tarnwick::web::ForecastRequestJson(loadText, nowSeconds);
}

tarnwick::web::PlanAnswer ImportForecast(const std::string& loadText, const std::string& body,
                                         double timeSeconds) {
  return tarnwick::web::ImportForecastText(loadText, body, timeSeconds);
}

tarnwick::web::PlanAnswer Edit(const std::string& loadText, const std::string& edit) {
  return tarnwick::web::EditLoadText(loadText, edit);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarnwick_engine) {
  emscripten::value_object<tarnwick::web::PlanAnswer>("PlanAnswer")
      .field("json", &tarnwick::web::PlanAnswer::json)
      .field("error", &tarnwick::web::PlanAnswer::error);
  emscripten::function("plan", &Plan);
  emscripten::function("edit", &Edit);
  emscripten::function("windStations", &WindStations);
  emscripten::function("importWinds", &ImportWinds);
  emscripten::function("forecastRequest", &ForecastRequest);
  emscripten::function("importForecast", &ImportForecast);
}
