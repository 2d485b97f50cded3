#pragma once

#include <string>
#include <string_view>

#include "web/engine/page_answer.h"

// The web page's winds: pasted forecasts and the forecast fetched from the browser, read by the
// desktop's own parsers (winds/) and put into the load by its one rule (WithWindLevels).
namespace tarnwick::web {

// The stations of a winds aloft bulletin as a JSON array of texts, sorted ("[]" for any other
// text), so that the page can offer them before it imports.
std::string WindStationsJson(std::string_view windText);

// The load with its winds replaced by the levels of a bulletin, a sounding or a saved forecast
// response (told apart by content), with their source; `station` picks a bulletin's station
// (empty: none given). `json` is the new load's file text, or `error` the one line that refuses
// the text or says why the load cannot fly its levels; the load itself is never changed.
PlanAnswer ImportWindsText(std::string_view loadText, std::string_view windText,
                           std::string_view station);

// What the page asks the forecast service for the load's drop zone at `nowSeconds` (seconds
// since 1970 UTC) rounded to the hour: {"url": endpoint?query, "time": s, "timeoutSeconds": s},
// or `error` when the load has no drop zone position.
PlanAnswer ForecastRequestJson(std::string_view loadText, double nowSeconds);

// The load with its winds replaced by the service's answer to the request for `timeSeconds`
// (the "time" of ForecastRequestJson), under the desktop's rules for a fetched answer.
PlanAnswer ImportForecastText(std::string_view loadText, std::string_view body, double timeSeconds);

}  // namespace tarnwick::web
