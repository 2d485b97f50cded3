#include "load/gap_planner.h"

namespace tarnwick::load::planning {

std::vector<int> GivenOrder(std::size_t count) {
  std::vector<int> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = static_cast<int>(i);
  return order;
}

DelayPlan PlanOrder(Planner& planner, const std::vector<int>& order) {
  DelayPlan plan;
  plan.gaps.resize(order.size());
  std::vector<Placed> prefix{planner.PlaceFirst(order[0])};
  double total = 0;
  for (std::size_t k = 1; k < order.size(); ++k) {
    Placed placed;
    plan.gaps[k] = planner.NextGap(prefix, order[k], &placed);
    if (plan.gaps[k].reachable) {
      total += *plan.gaps[k].roundedDelay;
    } else {
      plan.reachable = false;
    }
    prefix.push_back(placed);
  }
  if (plan.reachable) plan.totalTime = total;
  return plan;
}

}  // namespace tarnwick::load::planning
