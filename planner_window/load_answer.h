#pragma once

#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_plan.h"
#include "load/load_warnings.h"

namespace tarnwick {

// The load as flown with its delays: what the results, the pairs, the warnings and the
// pictures show.
struct LoadAnswer {
  load::Load load;
  load::LoadFlight flight;
  std::vector<load::Warning> warnings;
};

// Flies `load` (which passes LoadProblem()) with the tracks its pictures show, and collects
// its warnings.
LoadAnswer AnswerFor(const load::Load& load);

}  // namespace tarnwick
