#pragma once

#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_plan.h"

namespace tarnwick {

// Every how many 0.01 s steps the tracks of a live answer are sampled: fine enough for smooth
// pictures, and a divisor of the 2 s between markers.
inline constexpr int kAnswerTrackEvery = 10;

// The load as flown with its delays: what the results, the pairs, the warnings and the
// pictures show.
struct LoadAnswer {
  load::Load load;
  load::LoadFlight flight;
  std::vector<load::Warning> warnings;
};

// Flies `load` (which passes LoadProblem()) and collects its warnings.
LoadAnswer AnswerFor(const load::Load& load);

}  // namespace tarnwick
