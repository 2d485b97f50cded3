#pragma once

#include <optional>
#include <vector>

#include "load/load_model.h"

namespace tarnwick::load {

struct FlightOptions {
  // Every how many steps the tracks are sampled; 0 records no tracks. The step of each group's
  // opening and the last step are always sampled when tracks are recorded.
  int trackEvery = 0;
};

// One point of a recorded track, feet and seconds since the first exit.
struct TrackSample {
  double time = 0;
  float downrange = 0;   // along the jump run from the first exit point
  float crossrange = 0;  // to the right of the jump run
  double altitude = 0;   // ft msl
};

struct AircraftSample {
  double time = 0;
  double downrange = 0;  // the aircraft holds the jump run: its crossrange is 0
};

struct GroupResult {
  long exitStep = 0;     // the first step it falls in (counting the first step as step 0)
  double exitTime = 0;   // the sum of the delays up to it
  bool opened = false;   // passed below its opening altitude
  long openingStep = 0;  // the step in which it did
  float fallTime = 0;    // from its own exit to its opening
  float openingDownrange = 0;
  float openingCrossrange = 0;
};

// The three horizontal distances between two groups, first and second in exit order.
struct PairResult {
  int first = 0;
  int second = 0;
  double whenFirstOpens = 0;  // at the end of the step in which the earlier opener opened
  double betweenDeploymentPoints = 0;
  double whenSecondOpens = 0;  // when the later opener opened
  double separation = 0;       // the least of the three
  bool meetsTarget = false;    // separation at or above the load's target
};

struct LoadFlight {
  std::vector<GroupResult> groups;          // in exit order
  std::vector<PairResult> pairs;            // every pair, (0,1), (0,2), ..., (1,2), ...
  std::optional<double> minimumSeparation;  // over all pairs; none with fewer than two groups
  long steps = 0;
  double trueAirspeed = 0;                       // ft/s
  double aircraftGroundSpeed = 0;                // ft/s along the jump run
  std::vector<std::vector<TrackSample>> tracks;  // per group, when recorded
  std::vector<AircraftSample> aircraft;          // when recorded
};

// How the aircraft moves on the jump run, in ft/s.
struct AircraftMotion {
  double trueAirspeed = 0;
  double alongAirSpeed = 0;  // the part of the true airspeed along the jump run
  double crossAirSpeed = 0;  // what cancels the crosswind
  double groundSpeed = 0;    // along the jump run
};
AircraftMotion AircraftMotionOf(const Load& load);

// Flies the load step by step, every group in exit order in every step, until every group is
// at or below its opening altitude. The load must pass LoadProblem().
LoadFlight FlyLoad(const Load& load, const FlightOptions& options = {});

// The index of pair (first, second), first < second, in LoadFlight::pairs.
std::size_t PairIndex(int first, int second, int groupCount);

}  // namespace tarnwick::load
