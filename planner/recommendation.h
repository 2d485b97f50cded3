#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "planner/sweep.h"

namespace tarnwick {

// The exit delays a recommendation chooses from: Go's range, 0 to 30 s, in steps of 0.1 s.
SweepRange ExitDelayGrid();

// The three horizontal separations of a run, as the planner judges them. They are the report's
// numbers with one exception: when both jumpers pass the opening altitude in the same time
// step the report leaves "when first jumper pulls" at 0, yet the two open side by side at the
// distance between their deployment points; a plan must not read that as a collision.
struct Separations {
  double firstPull = 0;
  double deployment = 0;
  double lastPull = 0;
  bool openTogether = false;  // both passed the opening altitude in the same step

  double Smallest() const;
};
Separations PlanningSeparations(const RunResult& result, float exitDelay);

// Whether a run keeps all three separations at `feet` or more, as a plan judges them.
bool ReachesTarget(const SweepRow& row, double feet);

// The first of `rows` (runs in increasing order of the exit delay) from which that run and
// every later one reach `feet`: the delay a plan may call safe from there on. Empty when the
// last run falls short. The recommendation and the chart's "safe from" line both use it.
std::optional<std::size_t> SafeFrom(const std::vector<SweepRow>& rows, double feet);

struct ParsedFeet {
  std::optional<double> feet;
  std::string error;  // one line, set when feet is empty
};
// FEET of --recommend-delay: a plain positive number of feet.
ParsedFeet ParseTargetFeet(std::string_view text);

// The recommendation over the rows of ExitDelayGrid(). A jumpmaster calls a delay and the
// aircraft, the door and the jumpers then add a little to it, so the delay recommended is the
// shortest one from which every longer delay up to 30 s keeps all three separations at `feet`
// or more; the separations are not always monotonic in the delay (a slow group after a fast
// one into a headwind first closes in, then drifts away), so merely the first delay that
// reaches the target could be followed by one that does not.
struct DelayRecommendation {
  double feet = 0;
  std::optional<std::size_t> recommended;  // grid index, i.e. tenths of a second
  std::optional<std::size_t> earliest;     // first grid index reaching the target at all
  std::optional<std::size_t> shortfall;    // when earliest < recommended: a later one falling short
  std::size_t called = 0;                  // recommended delay rounded up to whole seconds, index
};
DelayRecommendation RecommendExitDelay(const std::vector<SweepRow>& grid, double feet);

// Writes the recommendation for people and scripts: the first line is exactly
// "Recommended exit delay: 7.3 s" when there is one.
void WriteRecommendation(std::ostream& out, const DelayRecommendation& recommendation,
                         const std::vector<SweepRow>& grid);

}  // namespace tarnwick
