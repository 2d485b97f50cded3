#include "load/load_plan.h"

#include <algorithm>
#include <cmath>

#include "load/gap_planner.h"
#include "load/load_limits.h"

namespace tarnwick::load {

using planning::GivenOrder;
using planning::Planner;
using planning::PlanOrder;

DelayPlan RecommendDelays(const Load& load) {
  Planner planner(load);
  return PlanOrder(planner, GivenOrder(load.groups.size()));
}

Load WithRoundedDelays(const Load& load, const DelayPlan& plan) {
  Load flown = load;
  for (std::size_t k = 1; k < flown.groups.size() && k < plan.gaps.size(); ++k) {
    const GapRecommendation& gap = plan.gaps[k];
    flown.groups[k].delay =
        static_cast<float>(gap.reachable ? *gap.roundedDelay : limits::kMaxPlannedDelay);
  }
  return flown;
}

Load Reordered(const Load& load, const std::vector<int>& order) {
  Load reordered = load;
  reordered.groups.clear();
  for (int index : order) reordered.groups.push_back(load.groups[index]);
  return reordered;
}

}  // namespace tarnwick::load
