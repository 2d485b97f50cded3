#pragma once

#include <optional>
#include <string>
#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"

namespace tarnwick::load {

// What decided one gap's recommended delay.
struct GapRecommendation {
  bool reachable = true;
  std::optional<double> delay;         // s, on the 0.1 s grid; empty when unreachable
  std::optional<double> roundedDelay;  // s, rounded up to whole seconds: what is called
  // The earlier group whose separation the delay keeps, or empty when the minimum delay
  // decided it.
  std::optional<int> decidedBy;
  std::optional<int> inTheWay;  // unreachable: the group with the least separation at 60 s
};

struct DelayPlan {
  std::vector<GapRecommendation> gaps;  // one per group; gaps[0] (the first group) is empty
  bool reachable = true;
  std::optional<double> totalTime;  // sum of the rounded delays; empty when a gap is unmet
};

// The recommended delay before every group after the first, in exit order: the shortest delay
// on the 0.1 s grid from the minimum delay to 60 s from which every longer one keeps the group
// at the target or more from every earlier group, the earlier gaps flown at their
// recommendations rounded up to whole seconds (an unmet gap at 60 s).
DelayPlan RecommendDelays(const Load& load);

// The load with the plan's rounded delays filled in (60 s for an unmet gap).
Load WithRoundedDelays(const Load& load, const DelayPlan& plan);

// What the best order must do besides meeting every gap.
enum class OrderRule {
  ShortestJumpRun,
  // Also a green light with every group back to the landing area: the spot's range is not
  // empty at the load's jump run offset. Among equal jump runs the larger least margin wins.
  EveryGroupBack,
};

struct BestOrder {
  bool found = false;      // some order meets every gap (and brings every group back)
  bool heuristic = false;  // more groups than are tried exhaustively
  OrderRule rule = OrderRule::ShortestJumpRun;
  std::vector<int> order;  // indices into the load's groups, in exit order
  DelayPlan plan;          // the recommendation for that order
  // OrderRule::EveryGroupBack: the least margin, ft, at that order's recommended green light.
  std::optional<double> leastMargin;
};

// The order whose jump run (the sum of the rounded recommended delays) is shortest with every
// gap met and, by `rule`, every group back; ties go to the larger least margin (by that rule),
// then to the order met first, the given one first. Up to limits::kMaxExhaustiveGroups groups
// every order is tried; above that the better of the given and the conventional order,
// improved by moving and swapping groups while that helps, and the answer says so.
BestOrder FindBestOrder(const Load& load, OrderRule rule = OrderRule::ShortestJumpRun);

// The conventional exit order: the slowest fall rate first (the largest drag area), lower
// openings before higher ones within a fall rate, else as given.
std::vector<int> ConventionalOrder(const Load& load);

// The load's groups in `order` (indices into load.groups).
Load Reordered(const Load& load, const std::vector<int>& order);

}  // namespace tarnwick::load
