#pragma once

#include <string>

#include "load/load_outcome.h"

namespace tarnwick::load {

// What --load --json prints: the flight, and the recommendation and best order when asked for.
std::string ResultJsonText(const LoadOutcome& outcome);

}  // namespace tarnwick::load
