#pragma once

#include <string>

namespace tarnwick {

// tarnwick --load-planner [FILE]: the planner window alone, on FILE when given (a file that
// cannot be opened is reported, and the window opens on a new load). Runs the event loop until
// the window is closed; returns the exit status.
int RunLoadPlannerAlone(const std::string& file);

}  // namespace tarnwick
