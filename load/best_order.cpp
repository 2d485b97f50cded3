// The best exit order: a depth-first search over every order up to limits::kMaxExhaustiveGroups
// groups, a local search above that. Both share the gap results the planner keeps, and check
// the spot of an order only from the openings the planner already replays.
#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "load/gap_planner.h"
#include "load/load_limits.h"
#include "load/load_plan.h"
#include "load/spot.h"

namespace tarnwick::load {
namespace {

using planning::GivenOrder;
using planning::Placed;
using planning::Planner;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// How good a complete order is; an order that is not `found` loses to any that is.
struct Score {
  bool found = false;
  double total = 0;        // s, the sum of the rounded delays
  double leastMargin = 0;  // ft, OrderRule::EveryGroupBack only
  // Every gap met, though (by the rule) not every group back: nearer to an answer, which
  // guides the local search when it starts from no answer.
  bool gapsMet = false;
};

bool Better(const Score& a, const Score& b, OrderRule rule) {
  if (a.found != b.found) return a.found;
  if (a.found) {
    if (a.total != b.total) return a.total < b.total;
    return rule == OrderRule::EveryGroupBack && a.leastMargin > b.leastMargin;
  }
  if (a.gapsMet != b.gapsMet) return a.gapsMet;
  return a.gapsMet && a.leastMargin > b.leastMargin;
}

// What the groups placed so far allow of any order that begins with them: the green lights
// that bring them all back, and the most their least margin can be. Both only shrink as groups
// are added, which is what lets the search leave a prefix.
struct ReachSoFar {
  GreenLightRange range{-kInfinity, kInfinity};
  double marginBound = kInfinity;
};

class OrderSearch {
 public:
  OrderSearch(const Load& load, OrderRule rule)
      : planner_(load), rule_(rule), offset_(load.jumpRunOffset) {
    if (rule_ == OrderRule::EveryGroupBack) {
      for (std::size_t k = 0; k < load.groups.size(); ++k) {
        canopies_.push_back(CanopyReachOf(load, k));
      }
    }
  }

  // Every order, depth first in the given order's sense, so that among equals the given
  // order, and then the order met first, keeps its place.
  void Exhaustive() {
    const std::size_t count = planner_.load().groups.size();
    used_.assign(count, false);
    order_.clear();
    prefix_.clear();
    terms_.clear();
    Extend(0, ReachSoFar{});
  }

  // The better of the given and the conventional order, then every move of one group to
  // another place and every swap of two, taking the first that is better, while one is.
  void Local() {
    const std::vector<int> given = GivenOrder(planner_.load().groups.size());
    Consider(given);
    Consider(ConventionalOrder(planner_.load()));
    bool improved = true;
    int evaluations = 0;
    while (improved && evaluations < kMostLocalEvaluations) {
      improved = false;
      const std::vector<int> start = bestOrder_.empty() ? given : bestOrder_;
      const int n = static_cast<int>(start.size());
      for (int i = 0; i < n && !improved; ++i) {
        for (int j = 0; j < n && !improved; ++j) {
          if (i == j) continue;
          std::vector<int> moved = start;
          const int group = moved[i];
          moved.erase(moved.begin() + i);
          moved.insert(moved.begin() + j, group);
          improved = Consider(moved);
          if (!improved && i < j) {
            std::vector<int> swapped = start;
            std::swap(swapped[i], swapped[j]);
            improved = Consider(swapped);
          }
          ++evaluations;
        }
      }
    }
  }

  // The winner's plan from the gaps the search has already worked out.
  BestOrder Result(bool heuristic) {
    BestOrder best;
    best.heuristic = heuristic;
    best.rule = rule_;
    if (!best_.found) return best;
    best.found = true;
    best.order = bestOrder_;
    best.plan = PlanOrder(planner_, bestOrder_);
    if (rule_ == OrderRule::EveryGroupBack) best.leastMargin = best_.leastMargin;
    return best;
  }

 private:
  // A bound on the work above the exhaustive limit: enough for the local search to settle
  // on any load a jump run holds.
  static constexpr int kMostLocalEvaluations = 20000;

  // Whether a prefix with jump run `total`, `remaining` groups still to place and `reach`
  // can still give an order better than the best found.
  bool CanWin(double total, std::size_t remaining, const ReachSoFar& reach) const {
    if (!best_.found) return true;
    const double least = total + static_cast<double>(remaining) * planner_.FirstRounded();
    if (least != best_.total) return least < best_.total;
    return rule_ == OrderRule::EveryGroupBack && reach.marginBound > best_.leastMargin;
  }

  // `reach` with `placed` added, or none when no green light brings them all back. Its
  // term joins terms_ either way.
  std::optional<ReachSoFar> WithGroup(const ReachSoFar& reach, const Placed& placed) {
    const Position opening = planner_.OpeningOf(placed);
    const ReachTerm term =
        ReachTermOf(canopies_[placed.group], opening.downrange, opening.crossrange);
    terms_.push_back(term);
    const std::optional<GreenLightRange> own = GreenLightsOf(term, offset_);
    if (!own) return std::nullopt;
    const std::optional<GreenLightRange> both = Overlap(reach.range, *own);
    if (!both) return std::nullopt;
    ReachSoFar next = reach;
    next.range = *both;
    // No green light gives the group more than its radius less how far it opens to the side.
    next.marginBound = std::min(reach.marginBound, term.radius - std::fabs(offset_ + term.across));
    return next;
  }

  // The score of the complete order in order_, prefix_ and terms_, with every group back
  // within `range` (none: not every group back).
  Score Complete(double total, const std::optional<GreenLightRange>& range) const {
    Score score{range.has_value(), total, 0, true};
    if (rule_ == OrderRule::EveryGroupBack) {
      const double g = BestGreenLight(terms_, offset_, range);
      score.leastMargin = LeastMargin(terms_, offset_, g);
    }
    return score;
  }

  void Extend(double total, const ReachSoFar& reach) {
    const std::size_t count = used_.size();
    if (order_.size() == count) {
      const Score score = Complete(total, reach.range);
      if (Better(score, best_, rule_)) {
        best_ = score;
        bestOrder_ = order_;
      }
      return;
    }
    const std::size_t remaining = count - order_.size();
    for (std::size_t g = 0; g < count; ++g) {
      if (used_[g]) continue;
      if (!Place(static_cast<int>(g), &total, remaining, reach)) continue;
      const std::optional<ReachSoFar> next = Admit(reach);
      if (next && CanWin(total, remaining - 1, *next)) Extend(total, *next);
      Unplace(&total);
    }
  }

  // Places `group` next; false (and nothing placed) when its gap cannot be met or the jump
  // run can no longer win.
  bool Place(int group, double* total, std::size_t remaining, const ReachSoFar& reach) {
    Placed placed;
    double gap = 0;
    if (order_.empty()) {
      placed = planner_.PlaceFirst(group);
    } else {
      const std::optional<int> rounded = planner_.RoundedGap(prefix_, group, &placed);
      if (!rounded) return false;
      gap = *rounded;
      if (!CanWin(*total + gap, remaining - 1, reach)) return false;
    }
    used_[group] = true;
    order_.push_back(group);
    prefix_.push_back(placed);
    gaps_.push_back(gap);
    *total += gap;
    return true;
  }

  // The reach with the last placed group added; with no spot to check, the reach as it was.
  std::optional<ReachSoFar> Admit(const ReachSoFar& reach) {
    if (rule_ != OrderRule::EveryGroupBack) return reach;
    return WithGroup(reach, prefix_.back());
  }

  void Unplace(double* total) {
    *total -= gaps_.back();
    if (rule_ == OrderRule::EveryGroupBack) terms_.pop_back();
    used_[order_.back()] = false;
    order_.pop_back();
    prefix_.pop_back();
    gaps_.pop_back();
  }

  // Takes `order` when it is better than the best so far.
  bool Consider(const std::vector<int>& order) {
    order_.clear();
    prefix_.clear();
    terms_.clear();
    gaps_.clear();
    used_.assign(order.size(), false);
    double total = 0;
    ReachSoFar reach;
    bool everyGroupBack = true;  // so far; once not, the order only guides the search
    for (std::size_t k = 0; k < order.size(); ++k) {
      const std::size_t remaining = order.size() - k;
      if (!Place(order[k], &total, remaining, reach)) return false;
      if (rule_ != OrderRule::EveryGroupBack) continue;
      const std::optional<ReachSoFar> next = WithGroup(reach, prefix_.back());
      if (next && everyGroupBack) {
        reach = *next;
        if (!CanWin(total, remaining - 1, reach)) return false;
        continue;
      }
      // Without every group back an order only guides the search while nothing is found.
      everyGroupBack = false;
      if (best_.found) return false;
    }
    const Score score = Complete(total, everyGroupBack ? std::optional(reach.range) : std::nullopt);
    if (!Better(score, best_, rule_)) return false;
    best_ = score;
    bestOrder_ = order_;
    return true;
  }

  Planner planner_;
  OrderRule rule_;
  double offset_;
  std::vector<GroupReach> canopies_;  // by the load's group index, for EveryGroupBack
  // The order being built, with where each group exits, its gap and its reach term.
  std::vector<bool> used_;
  std::vector<int> order_;
  std::vector<Placed> prefix_;
  std::vector<double> gaps_;
  std::vector<ReachTerm> terms_;
  Score best_;
  std::vector<int> bestOrder_;
};

}  // namespace

std::vector<int> ConventionalOrder(const Load& load) {
  std::vector<int> order = GivenOrder(load.groups.size());
  std::stable_sort(order.begin(), order.end(), [&load](int a, int b) {
    const double dragA = DragAreaOf(load.groups[a].fallRate);
    const double dragB = DragAreaOf(load.groups[b].fallRate);
    if (dragA != dragB) return dragA > dragB;
    return load.groups[a].openingAltitude < load.groups[b].openingAltitude;
  });
  return order;
}

BestOrder FindBestOrder(const Load& load, OrderRule rule) {
  OrderSearch search(load, rule);
  if (load.groups.size() <= static_cast<std::size_t>(limits::kMaxExhaustiveGroups)) {
    search.Exhaustive();
    return search.Result(false);
  }
  search.Local();
  return search.Result(true);
}

}  // namespace tarnwick::load
