#pragma once

#include <memory>

namespace tarnwick {

class LoadPlannerWindow;

// The load planner window as the program shows it: with its side and top views, which follow
// every answer, and "Export Briefing..." and "Print..." in its File menu.
std::unique_ptr<LoadPlannerWindow> MakeLoadPlanner();

}  // namespace tarnwick
