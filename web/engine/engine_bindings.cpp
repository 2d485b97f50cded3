// The web page's engine: PlanLoadText and EditLoadText for JavaScript, through embind. The module
// is built with MODULARIZE, so a page (or its worker) makes it with `await TarnwickEngine()`.
#include <emscripten/bind.h>

#include "web/engine/page_answer.h"

namespace {

tarnwick::web::PlanAnswer Plan(const std::string& loadText, bool recommend, bool bestOrder,
                               bool forPage) {
  return tarnwick::web::PlanLoadText(loadText, {recommend, bestOrder, forPage});
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
}
