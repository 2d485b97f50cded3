#pragma once

#include <string>
#include <string_view>

namespace tarnwick::web {

// What the web page's engine answers for a load file's text: the result JSON that
// `tarnwick --load FILE --json` prints with the same options, or the one line that refuses
// the text (as the command line would, without the file's name).
struct PlanAnswer {
  std::string json;   // empty when refused
  std::string error;  // empty when answered
};

struct PlanOptions {
  bool recommend = false;
  bool bestOrder = false;
  bool spot = false;  // the green and red lights that bring every group back (--spot)
  // Also what the page draws and calls beside the result (PageExtrasJson), from the same
  // outcome, so that the pictures are of the flight the numbers describe.
  bool forPage = false;
};

// With forPage, `json` is {"result": <the result JSON>, "page": <the page's extras>}.
PlanAnswer PlanLoadText(std::string_view loadText, const PlanOptions& options);

// One of the load edits of load/load_edits.h on a load file's text, as the planner window makes
// them, so that the page follows the same rules; `edit` is JSON:
//   {"edit": "addGroup" | "removeGroup" | "moveGroup" | "addWind" | "removeWind", "row": N,
//    "to": N}  (row: the selected row, or -1 for none, when adding)
//   {"edit": "windAs", "row": N, "as": "headwind" | "direction"}
//   {"edit": "units", "altitude": "ft", "distance": "m", "speed": "km/h"}
//   {"edit": "read"}: no change; the load read strictly and written as the desktop writes it
// `json` is the edited load's file text (WriteLoadText), or `error` says why it cannot be made.
PlanAnswer EditLoadText(std::string_view loadText, std::string_view edit);

}  // namespace tarnwick::web
