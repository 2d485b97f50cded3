#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>
#include <vector>

#include "load/load_limits.h"
#include "load/load_model.h"
#include "load/load_plan.h"
#include "load/shifted_flight.h"

// The gap search shared by the recommendation and the best order: where a group exits after
// the groups before it, and the longest delay at which it falls short of one of them. Only
// load/ uses it.
namespace tarnwick::load::planning {

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
inline int FirstTenth(double minimumDelay) {
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
  int FirstRounded() const { return CalledSecondsOf(firstTenth_); }

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
    const long s1 = earlier.openingStep, s2 = later.openingStep;
    const Position aAtA = ExactOf(earlier, s1), bAtA = ExactOf(later, s1);
    const Position aAtB = ExactOf(earlier, s2), bAtB = ExactOf(later, s2);
    return PairOf(0, 1, s1, s2, aAtA, bAtA, aAtB, bAtB, aAtA, bAtB, load_.targetSeparation)
        .separation;
  }

  // The exact position of `placed` at the end of `step`. The gap searches ask for the same
  // group and exit again and again (every delay tried against each earlier group, every
  // earlier group at each delay), so its track is kept, up to a bound on the memory.
  Position ExactOf(const Placed& placed, long step) {
    if (step < placed.exitStep) return flight_.AboardAt(step);
    if (tracks_.size() >= kMostTracks) tracks_.clear();
    std::vector<Position>& track = tracks_[{placed.group, placed.exitStep}];
    flight_.ExtendExact(placed.group, placed.exitStep, step, track);
    return track[step - placed.exitStep];
  }

  // Where `placed` opens, relative to the first exit, as the flight puts it: the same for every
  // order that has the group exit at that step.
  Position OpeningOf(const Placed& placed) {
    const OpeningKey key{placed.group, placed.exitStep};
    const auto known = openings_.find(key);
    if (known != openings_.end()) return known->second;
    const Position opening =
        flight_.ExactAt(placed.group, placed.exitStep, {placed.openingStep})[0];
    openings_.emplace(key, opening);
    return opening;
  }

  // The least of the three distances of `later` from `earlier` on the shifted motions, and a
  // bound on how far that can lie from the exact one.
  struct Screen {
    double least = 0;  // ft
    double bound = 0;  // ft
  };
  Screen ScreenOf(const Placed& earlier, const Placed& later) {
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
    // the single-precision differences the exact distance takes add a little more.
    const long last = std::max(s1, s2);
    return {std::sqrt(least), Bound(flight_.ShiftError(earlier.group, earlier.exitStep, last),
                                    flight_.ShiftError(later.group, later.exitStep, last))};
  }

  // Whether `later` keeps the target from `earlier`: decided on the shifted motions where
  // their error cannot change the answer, else by the exact positions.
  bool Meets(const Placed& earlier, const Placed& later, const Screen& screen) {
    const double target = load_.targetSeparation;
    if (screen.least >= SurelyMet(screen.bound)) return true;
    const double surelyShort = (target - screen.bound) * (1 - 2e-6);
    if (surelyShort > 0 && screen.least < surelyShort) return false;
    return ExactSeparation(earlier, later) >= target;
  }

  // How many steps earlier than `later` the same group could exit and still surely keep the
  // target from `earlier`, as Meets would find, judged from the screen at this exit: each step
  // earlier moves each distance by at most the flight's step drift.
  long SurelyMetSteps(const Placed& earlier, const Placed& later, const Screen& screen) {
    const double drift = flight_.StepDrift(later.exitStep);
    const double room = screen.least - SurelyMet(0);
    if (room <= 0) return 0;
    const long span = static_cast<long>(room / drift);
    // The error bounds only grow the earlier the group exits (its travel to the earlier
    // group's opening grows), so those at the far end of the span bound them all.
    const long s1 = earlier.openingStep, s2 = later.openingStep;
    const long travel = std::max(s1 - (later.exitStep - span), s2 - later.exitStep);
    const double bound =
        Bound(flight_.ShiftError(earlier.group, earlier.exitStep, std::max(s1, s2)),
              flight_.ShiftError(later.group, later.exitStep, later.exitStep + travel));
    const double sure = screen.least - SurelyMet(bound) - 1e-6;
    if (sure <= 0) return 0;
    return std::min(span, static_cast<long>(sure / drift));
  }

  // The longest delay on the grid (in tenths) after an exit at `previousExit` at which
  // `group` falls short of the target from `earlier`, if any. It depends on the two groups and
  // their exits only, so every order that places them so shares it.
  std::optional<int> LongestShortfall(const Placed& earlier, double previousExit, int group) {
    const ShortfallKey key{earlier.group, group, earlier.exitStep, previousExit};
    const auto known = shortfalls_.find(key);
    if (known != shortfalls_.end()) return known->second;
    std::optional<int> shortfall;
    for (int n = kLastTenth; n >= firstTenth_;) {
      const Placed later = Candidate(previousExit, group, n);
      const Screen screen = ScreenOf(earlier, later);
      if (!Meets(earlier, later, screen)) {
        shortfall = n;
        break;
      }
      // Far from the target a whole run of shorter delays surely keeps it too.
      const long steps = SurelyMetSteps(earlier, later, screen);
      int m = n - static_cast<int>(steps / 11);
      while (m < n && later.exitStep - Candidate(previousExit, group, m).exitStep > steps) ++m;
      n = std::min(m, n) - 1;
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
    const int rounded = CalledSecondsOf(TenthsAfter(shortfall));
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
    const int tenths = TenthsAfter(shortfall);
    if (shortfall) gap.decidedBy = Nearest(prefix, candidate(*shortfall));
    const int rounded = CalledSecondsOf(tenths);
    gap.delay = tenths / 10.0;
    gap.roundedDelay = rounded;
    *placed = Place(group, previousExit + static_cast<float>(rounded));
    return gap;
  }

 private:
  // The recommended delay in tenths: just above the longest that falls short, or the minimum.
  int TenthsAfter(std::optional<int> shortfall) const {
    return shortfall ? *shortfall + 1 : firstTenth_;
  }
  // A delay in tenths as the whole seconds called for it, a fraction rounded up.
  static int CalledSecondsOf(int tenths) { return (tenths + 9) / 10; }

  // A distance is screened as surely met from this on, with a screen's error bound.
  double SurelyMet(double bound) const { return (load_.targetSeparation + bound) * (1 + 2e-6); }
  static double Bound(double earlierError, double laterError) {
    return (earlierError + laterError) * 1.5;
  }

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

  struct OpeningKey {
    int group = 0;
    long exitStep = 0;
    bool operator==(const OpeningKey&) const = default;
  };
  struct OpeningHash {
    std::size_t operator()(const OpeningKey& k) const {
      return static_cast<std::size_t>(k.exitStep) * 64u + static_cast<std::size_t>(k.group);
    }
  };

  // Tracks kept: a few megabytes.
  static constexpr std::size_t kMostTracks = 64;

  const Load& load_;
  ShiftedFlight flight_;
  std::unordered_map<OpeningKey, std::vector<Position>, OpeningHash> tracks_;
  std::unordered_map<OpeningKey, Position, OpeningHash> openings_;
  int firstTenth_;
  std::unordered_map<ShortfallKey, std::optional<int>, ShortfallHash> shortfalls_;
};

// 0, 1, ..., count - 1: the given order.
std::vector<int> GivenOrder(std::size_t count);

// The recommendation for `order` (indices into the planner's load).
DelayPlan PlanOrder(Planner& planner, const std::vector<int>& order);

}  // namespace tarnwick::load::planning
