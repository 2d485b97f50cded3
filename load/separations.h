#pragma once

#include <optional>
#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"

namespace tarnwick::load {

// A group's place over the ground, single precision as the flight keeps it.
struct Position {
  float downrange = 0;
  float crossrange = 0;
};

// The horizontal distance between two places, the differences taken in single precision as
// the two-jumper report takes them.
double Distance(Position a, Position b);

// The three distances of one pair from where the two were when each opened.
PairResult PairOf(int first, int second, long firstOpeningStep, long secondOpeningStep,
                  Position firstAtFirst, Position secondAtFirst, Position firstAtSecond,
                  Position secondAtSecond, Position firstPull, Position secondPull, double target);

// Every pair from each group's opening step and where every group was then
// (`atOpening[k][j]`: group j when group k opened).
std::vector<PairResult> PairSeparations(const std::vector<GroupResult>& groups,
                                        const std::vector<std::vector<Position>>& atOpening,
                                        double target);

// The least separation of `pairs`; none without a pair.
std::optional<double> LeastSeparation(const std::vector<PairResult>& pairs);

}  // namespace tarnwick::load
