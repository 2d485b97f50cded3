#pragma once

#include <string>

#include "load/load_outcome.h"

namespace tarnwick::load {

// What --load prints without --json: the outcome as a table in the load's units.
std::string LoadTableText(const LoadOutcome& outcome);

}  // namespace tarnwick::load
