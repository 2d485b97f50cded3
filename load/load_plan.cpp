#include "load/load_plan.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <unordered_map>

#include "load/load_limits.h"
#include "load/shifted_flight.h"

namespace tarnwick::load {
namespace {

constexpr int kTenthsPerSecond = 10;
constexpr int kLastTenth = static_cast<int>(limits::kMaxPlannedDelay) * kTenthsPerSecond;

// A group placed in the exit order.
struct Placed {
  int group = 0;  // index into the load's groups
  double exitTime = 0;
  long exitStep = 0;
  long openingStep = 0;
};

// The first multiple of 0.1 s at or above the minimum delay.
int FirstTenth(double minimumDelay) {
  int n = static_cast<int>(std::floor(minimumDelay * kTenthsPerSecond));
  while (n / 10.0 < minimumDelay) ++n;
  while (n > 0 && (n - 1) / 10.0 >= minimumDelay) --n;
  return n;
}

class Planner {
 public:
  explicit Planner(const Load& load)
      : load_(load), flight_(load), firstTenth_(FirstTenth(load.minimumDelay)) {}

  const Load& load() const { return load_; }
  int FirstRounded() const { return (firstTenth_ + 9) / 10; }

  Placed PlaceFirst(int group) { return Place(group, 0); }
  Placed Place(int group, double exitTime) {
    Placed p;
    p.group = group;
    p.exitTime = exitTime;
    p.exitStep = flight_.ExitStep(exitTime);
    p.openingStep = p.exitStep + flight_.Motion(group).OpeningOffset();
    return p;
  }

  // The exact separation of `later` from `earlier`.
  double ExactSeparation(const Placed& earlier, const Placed& later) {
    std::vector<long> steps{earlier.openingStep, later.openingStep};
    std::sort(steps.begin(), steps.end());
    const auto a = flight_.ExactAt(earlier.group, earlier.exitStep, steps);
    const auto b = flight_.ExactAt(later.group, later.exitStep, steps);
    const bool earlierFirst = earlier.openingStep <= later.openingStep;
    const Position aAtA = earlierFirst ? a[0] : a[1], bAtA = earlierFirst ? b[0] : b[1];
    const Position aAtB = earlierFirst ? a[1] : a[0], bAtB = earlierFirst ? b[1] : b[0];
    return PairOf(0, 1, earlier.openingStep, later.openingStep, aAtA, bAtA, aAtB, bAtB, aAtA, bAtB,
                  load_.targetSeparation)
        .separation;
  }

  // Whether `later` keeps the target from `earlier`: decided on the shifted motions where
  // their error cannot change the answer, else by the exact positions.
  bool Meets(const Placed& earlier, const Placed& later) {
    double ax, ay, bx, by, cx, cy, dx, dy;
    const long s1 = earlier.openingStep, s2 = later.openingStep;
    flight_.ApproxAt(earlier.group, earlier.exitStep, s1, &ax, &ay);
    flight_.ApproxAt(later.group, later.exitStep, s1, &bx, &by);
    flight_.ApproxAt(earlier.group, earlier.exitStep, s2, &cx, &cy);
    flight_.ApproxAt(later.group, later.exitStep, s2, &dx, &dy);
    const auto squared = [](double x, double y) { return x * x + y * y; };
    const double least =
        std::min({squared(ax - bx, ay - by), squared(cx - dx, cy - dy), squared(ax - dx, ay - dy)});
    // Each distance is off by at most the two positions' errors, which grow with the step;
    // the single-precision differences the exact distance takes add a little more. Squared
    // distances are compared, which keeps square roots out of the many easy cases.
    const long last = std::max(s1, s2);
    const double bound = (flight_.ShiftError(earlier.group, earlier.exitStep, last) +
                          flight_.ShiftError(later.group, later.exitStep, last)) *
                         1.5;
    const double target = load_.targetSeparation;
    const double surelyMet = (target + bound) * (1 + 2e-6);
    if (least >= surelyMet * surelyMet) return true;
    const double surelyShort = (target - bound) * (1 - 2e-6);
    if (surelyShort > 0 && least < surelyShort * surelyShort) return false;
    return ExactSeparation(earlier, later) >= target;
  }

  // The longest delay on the grid (in tenths) after an exit at `previousExit` at which
  // `group` falls short of the target from `earlier`, if any. It depends on the two groups and
  // their exits only, so every order that places them so shares it.
  std::optional<int> LongestShortfall(const Placed& earlier, double previousExit, int group) {
    const ShortfallKey key{earlier.group, group, earlier.exitStep, previousExit};
    const auto known = shortfalls_.find(key);
    if (known != shortfalls_.end()) return known->second;
    std::optional<int> shortfall;
    for (int n = kLastTenth; n >= firstTenth_; --n) {
      if (!Meets(earlier, Candidate(previousExit, group, n))) {
        shortfall = n;
        break;
      }
    }
    shortfalls_.emplace(key, shortfall);
    return shortfall;
  }

  // The longest delay on the grid at which `group` falls short of some group of `prefix`.
  std::optional<int> LongestShortfall(const std::vector<Placed>& prefix, int group) {
    std::optional<int> longest;
    for (const Placed& earlier : prefix) {
      const std::optional<int> shortfall = LongestShortfall(earlier, prefix.back().exitTime, group);
      if (shortfall && (!longest || *shortfall > *longest)) longest = shortfall;
    }
    return longest;
  }

  // The rounded recommended delay for `group` after `prefix`, or empty when the gap cannot be
  // met; `placed` is where it then exits.
  std::optional<int> RoundedGap(const std::vector<Placed>& prefix, int group, Placed* placed) {
    const std::optional<int> shortfall = LongestShortfall(prefix, group);
    if (shortfall == kLastTenth) return std::nullopt;
    const int tenths = shortfall ? *shortfall + 1 : firstTenth_;
    const int rounded = (tenths + 9) / 10;
    *placed = Place(group, prefix.back().exitTime + static_cast<float>(rounded));
    return rounded;
  }

  // The earlier group (position in `prefix`) with the least exact separation from `later`.
  int Nearest(const std::vector<Placed>& prefix, const Placed& later) {
    int nearest = 0;
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t j = 0; j < prefix.size(); ++j) {
      const double separation = ExactSeparation(prefix[j], later);
      if (separation < least) {
        least = separation;
        nearest = static_cast<int>(j);
      }
    }
    return nearest;
  }

  // The recommendation for `group` after `prefix`; `placed` is where it then exits (at the
  // rounded delay, or at 60 s when the gap cannot be met).
  GapRecommendation NextGap(const std::vector<Placed>& prefix, int group, Placed* placed) {
    const double previousExit = prefix.back().exitTime;
    const auto candidate = [&](int tenths) { return Candidate(previousExit, group, tenths); };
    // Every longer delay must keep the target, so the answer lies just above the longest
    // delay that falls short.
    const std::optional<int> shortfall = LongestShortfall(prefix, group);
    GapRecommendation gap;
    if (shortfall == kLastTenth) {
      gap.reachable = false;
      *placed = candidate(kLastTenth);
      gap.inTheWay = Nearest(prefix, *placed);
      return gap;
    }
    const int tenths = shortfall ? *shortfall + 1 : firstTenth_;
    if (shortfall) gap.decidedBy = Nearest(prefix, candidate(*shortfall));
    const int rounded = (tenths + 9) / 10;
    gap.delay = tenths / 10.0;
    gap.roundedDelay = rounded;
    *placed = Place(group, previousExit + static_cast<float>(rounded));
    return gap;
  }

 private:
  Placed Candidate(double previousExit, int group, int tenths) {
    return Place(group, previousExit + static_cast<float>(tenths / 10.0));
  }

  struct ShortfallKey {
    int earlier = 0;
    int later = 0;
    long earlierExitStep = 0;
    double previousExit = 0;
    bool operator==(const ShortfallKey&) const = default;
  };
  struct ShortfallHash {
    std::size_t operator()(const ShortfallKey& k) const {
      std::size_t h = std::hash<double>()(k.previousExit);
      h = h * 1000003u ^ static_cast<std::size_t>(k.earlierExitStep);
      h = h * 1000003u ^ static_cast<std::size_t>(k.earlier * 64 + k.later);
      return h;
    }
  };

  const Load& load_;
  ShiftedFlight flight_;
  int firstTenth_;
  std::unordered_map<ShortfallKey, std::optional<int>, ShortfallHash> shortfalls_;
};

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

std::vector<int> GivenOrder(std::size_t count) {
  std::vector<int> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = static_cast<int>(i);
  return order;
}

}  // namespace

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

BestOrder FindBestOrder(const Load& load) {
  const std::size_t count = load.groups.size();
  BestOrder best;
  Planner planner(load);
  std::optional<double> bestTotal;
  std::vector<int> bestOrder;

  if (count <= static_cast<std::size_t>(limits::kMaxExhaustiveGroups)) {
    // Every order, depth first in the given order's sense, so that the given order is met
    // first and keeps a tie. A prefix whose total cannot beat the best so far is left.
    std::vector<int> order;
    std::vector<Placed> prefix;
    std::vector<bool> used(count, false);
    const int leastGap = planner.FirstRounded();
    std::function<void(double)> extend = [&](double total) {
      if (order.size() == count) {
        if (!bestTotal || total < *bestTotal) {
          bestTotal = total;
          bestOrder = order;
        }
        return;
      }
      const double remaining = static_cast<double>(count - order.size());
      if (!order.empty() && bestTotal && total + remaining * leastGap >= *bestTotal) return;
      for (std::size_t g = 0; g < count; ++g) {
        if (used[g]) continue;
        Placed placed;
        double gapTime = 0;
        if (order.empty()) {
          placed = planner.PlaceFirst(static_cast<int>(g));
        } else {
          const std::optional<int> rounded =
              planner.RoundedGap(prefix, static_cast<int>(g), &placed);
          if (!rounded) continue;
          gapTime = *rounded;
          if (bestTotal && total + gapTime + (remaining - 1) * leastGap >= *bestTotal) continue;
        }
        used[g] = true;
        order.push_back(static_cast<int>(g));
        prefix.push_back(placed);
        extend(total + gapTime);
        prefix.pop_back();
        order.pop_back();
        used[g] = false;
      }
    };
    extend(0);
  } else {
    // Too many orders to try: the given order, and one built group by group taking the
    // shortest gap next.
    best.heuristic = true;
    const DelayPlan given = PlanOrder(planner, GivenOrder(count));
    if (given.totalTime) {
      bestTotal = given.totalTime;
      bestOrder = GivenOrder(count);
    }
    std::vector<int> order{0};
    std::vector<Placed> prefix{planner.PlaceFirst(0)};
    std::vector<bool> used(count, false);
    used[0] = true;
    double total = 0;
    bool met = true;
    while (met && order.size() < count) {
      std::optional<double> shortest;
      int next = 0;
      Placed nextPlaced;
      for (std::size_t g = 0; g < count; ++g) {
        if (used[g]) continue;
        Placed placed;
        const GapRecommendation gap = planner.NextGap(prefix, static_cast<int>(g), &placed);
        if (gap.reachable && (!shortest || *gap.roundedDelay < *shortest)) {
          shortest = gap.roundedDelay;
          next = static_cast<int>(g);
          nextPlaced = placed;
        }
      }
      if (!shortest) {
        met = false;
        break;
      }
      used[next] = true;
      order.push_back(next);
      prefix.push_back(nextPlaced);
      total += *shortest;
    }
    if (met && (!bestTotal || total < *bestTotal)) {
      bestTotal = total;
      bestOrder = order;
    }
  }

  if (bestTotal) {
    best.found = true;
    best.order = bestOrder;
    best.plan = RecommendDelays(Reordered(load, bestOrder));
  }
  return best;
}

}  // namespace tarnwick::load
