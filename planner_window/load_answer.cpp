#include "planner_window/load_answer.h"

namespace tarnwick {

LoadAnswer AnswerFor(const load::Load& load) {
  LoadAnswer answer;
  answer.load = load;
  load::FlightOptions options;
  options.trackEvery = kAnswerTrackEvery;
  answer.flight = load::FlyLoad(load, options);
  answer.warnings = load::LoadWarnings(load, answer.flight, nullptr);
  return answer;
}

}  // namespace tarnwick
