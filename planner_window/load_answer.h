#pragma once

#include "load/load_outcome.h"

namespace tarnwick {

// The load as flown with its delays: what the results, the pairs, the warnings and the
// pictures show.
using LoadAnswer = load::LoadOutcome;

// Flies `load` (which passes LoadProblem()) with the tracks its pictures show, and collects
// its warnings.
LoadAnswer AnswerFor(const load::Load& load);

}  // namespace tarnwick
