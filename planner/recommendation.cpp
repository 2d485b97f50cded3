#include "planner/recommendation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include "entry/input_table.h"
#include "output/printable_text.h"
#include "planner/sweep_csv.h"
#include "sim/constants.h"

namespace tarnwick {
namespace {

constexpr int kTenthsPerSecond = 10;

std::string Seconds(std::size_t tenths) {
  return ScaledToText(static_cast<std::int64_t>(tenths), 1) + " s";
}

// "30 s": the end of the delay search, in the words of the messages.
std::string LongestDelayText() {
  return ScaledToText(static_cast<std::int64_t>(kLongestExitDelay), 0) + " s";
}

void WriteSeparations(std::ostream& out, const Separations& s) {
  out << "  When first jumper pulls: " << OneDecimal(s.firstPull) << " ft"
      << (s.openTogether ? " (both open in the same instant)" : "") << '\n'
      << "  Between deployment points: " << OneDecimal(s.deployment) << " ft\n"
      << "  When last jumper pulls: " << OneDecimal(s.lastPull) << " ft\n";
}

}  // namespace

SweepRange ExitDelayGrid() {
  SweepRange grid;
  grid.field = Box::ExitDelay;
  grid.decimals = 1;
  grid.from = static_cast<std::int64_t>(InputFor(Box::ExitDelay).lowest) * kTenthsPerSecond;
  grid.to = static_cast<std::int64_t>(kLongestExitDelay) * kTenthsPerSecond;
  grid.step = 1;
  return grid;
}

double Separations::Smallest() const {
  return std::min({firstPull, deployment, lastPull});
}

Separations PlanningSeparations(const RunResult& result, float exitDelay) {
  Separations s;
  s.firstPull = result.firstPullSeparation;
  s.deployment = result.DeploymentSeparation();
  s.lastPull = result.LastPullSeparation();
  // Each fall time ends at the step that passed the opening altitude, measured from that
  // jumper's own exit; the same step means the same clock reading, to well within half a step.
  const double pull1 = result.pullTime[1];
  const double pull2 = static_cast<double>(result.pullTime[2]) + exitDelay;
  s.openTogether = std::fabs(pull1 - pull2) < model::kTimeStep / 2;
  if (s.openTogether) s.firstPull = s.deployment;
  return s;
}

bool ReachesTarget(const SweepRow& row, double feet) {
  return PlanningSeparations(row.result, row.run.scenario.exitDelay).Smallest() >= feet;
}

std::optional<std::size_t> SafeFrom(const std::vector<SweepRow>& rows, double feet) {
  // Walk back from the longest delay for as long as every delay reaches the target.
  std::size_t from = rows.size();
  while (from > 0 && ReachesTarget(rows[from - 1], feet)) --from;
  if (from == rows.size()) return std::nullopt;
  return from;
}

ParsedFeet ParseTargetFeet(std::string_view text) {
  double feet = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, feet);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(feet) || feet <= 0) {
    return {std::nullopt,
            "--recommend-delay: FEET must be a positive number of feet, e.g. 1000, "
            "not " +
                QuotedText(text)};
  }
  return {feet, {}};
}

DelayRecommendation RecommendExitDelay(const std::vector<SweepRow>& grid, double feet) {
  DelayRecommendation r;
  r.feet = feet;
  std::vector<bool> reaches(grid.size());
  for (std::size_t i = 0; i < grid.size(); ++i) {
    reaches[i] = ReachesTarget(grid[i], feet);
    if (reaches[i] && !r.earliest) r.earliest = i;
  }
  r.recommended = SafeFrom(grid, feet);
  if (!r.recommended) return r;
  const std::size_t from = *r.recommended;
  r.called = (from + kTenthsPerSecond - 1) / kTenthsPerSecond * kTenthsPerSecond;
  if (*r.earliest < from) {
    r.shortfall = static_cast<std::size_t>(
        std::find(reaches.begin() + static_cast<std::ptrdiff_t>(*r.earliest), reaches.end(),
                  false) -
        reaches.begin());
  }
  return r;
}

void WriteRecommendation(std::ostream& out, const DelayRecommendation& r,
                         const std::vector<SweepRow>& grid) {
  const std::string target = FeetText(r.feet);
  auto separationsAt = [&grid](std::size_t i) {
    return PlanningSeparations(grid[i].result, grid[i].run.scenario.exitDelay);
  };
  if (!r.recommended) {
    out << "No exit delay up to " << LongestDelayText() << " keeps all three separations at "
        << target << " or more.\n";
    if (r.earliest) {
      out << "Some delays from " << Seconds(*r.earliest)
          << " on reach it, but a longer one falls short again, so none is safe to call.\n";
    }
    const std::size_t last = grid.size() - 1;
    out << "At " << Seconds(last) << " the separations are:\n";
    WriteSeparations(out, separationsAt(last));
    return;
  }
  const std::size_t at = *r.recommended;
  out << "Recommended exit delay: " << Seconds(at) << '\n';
  out << "Separations at " << Seconds(at) << " (target " << target << "):\n";
  WriteSeparations(out, separationsAt(at));
  out << "Rounded up to whole seconds: " << r.called / kTenthsPerSecond << " s\n";
  if (r.called != at) {
    out << "Separations at " << r.called / kTenthsPerSecond << " s:\n";
    WriteSeparations(out, separationsAt(r.called));
  }
  if (r.shortfall) {
    out << "Note: " << Seconds(*r.earliest) << " already reaches " << target << " but "
        << Seconds(*r.shortfall) << " does not; " << Seconds(at)
        << " is the shortest delay from which every longer delay up to " << LongestDelayText()
        << " reaches it.\n";
  }
}

}  // namespace tarnwick
