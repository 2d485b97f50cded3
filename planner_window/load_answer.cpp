#include "planner_window/load_answer.h"

#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {

LoadAnswer AnswerFor(const load::Load& load) {
  load::LoadRequest request;
  request.flight = PictureFlightOptions();
  // The spot needs a group to fly; a load being built has none yet.
  request.spot = !load.groups.empty();
  return load::PlanLoad(load, request);
}

}  // namespace tarnwick
