#include "load/separations.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::load {

double Distance(Position a, Position b) {
  const float along = a.downrange - b.downrange;
  const float across = a.crossrange - b.crossrange;
  // Exactly |along| when there is no crossrange, as the report has it.
  return std::hypot(static_cast<double>(along), static_cast<double>(across));
}

PairResult PairOf(int first, int second, long firstOpeningStep, long secondOpeningStep,
                  Position firstAtFirst, Position secondAtFirst, Position firstAtSecond,
                  Position secondAtSecond, Position firstPull, Position secondPull, double target) {
  PairResult pair;
  pair.first = first;
  pair.second = second;
  // "First" and "second" to open are in time, not in exit order; opening in the same step,
  // both distances are the one at that step.
  const double atFirstOpening = Distance(firstAtFirst, secondAtFirst);
  const double atSecondOpening = Distance(firstAtSecond, secondAtSecond);
  const bool firstOpensFirst = firstOpeningStep <= secondOpeningStep;
  pair.whenFirstOpens = firstOpensFirst ? atFirstOpening : atSecondOpening;
  pair.whenSecondOpens = firstOpensFirst ? atSecondOpening : atFirstOpening;
  pair.betweenDeploymentPoints = Distance(firstPull, secondPull);
  pair.separation =
      std::min({pair.whenFirstOpens, pair.betweenDeploymentPoints, pair.whenSecondOpens});
  pair.meetsTarget = pair.separation >= target;
  return pair;
}

std::vector<PairResult> PairSeparations(const std::vector<GroupResult>& groups,
                                        const std::vector<std::vector<Position>>& atOpening,
                                        double target) {
  const int count = static_cast<int>(groups.size());
  std::vector<PairResult> pairs;
  for (int i = 0; i < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      pairs.push_back(PairOf(i, j, groups[i].openingStep, groups[j].openingStep, atOpening[i][i],
                             atOpening[i][j], atOpening[j][i], atOpening[j][j], atOpening[i][i],
                             atOpening[j][j], target));
    }
  }
  return pairs;
}

std::optional<double> LeastSeparation(const std::vector<PairResult>& pairs) {
  std::optional<double> least;
  for (const PairResult& pair : pairs) {
    if (!least || pair.separation < *least) least = pair.separation;
  }
  return least;
}

}  // namespace tarnwick::load
