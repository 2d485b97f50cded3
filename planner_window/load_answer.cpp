#include "planner_window/load_answer.h"

#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {

LoadAnswer AnswerFor(const load::Load& load) {
  LoadAnswer answer;
  answer.load = load;
  answer.flight = load::FlyLoad(load, PictureFlightOptions());
  answer.warnings = load::LoadWarnings(load, answer.flight, nullptr);
  return answer;
}

}  // namespace tarnwick
