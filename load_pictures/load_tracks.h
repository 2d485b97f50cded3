#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "canvas/colour.h"

namespace tarnwick {

// Where a group was at the end of one step of the load's run, in the load's display units.
struct TrackPoint {
  std::int64_t step = 0;  // steps of 0.01 s since the first exit, the one that ended here
  double time = 0;        // the run's clock at the end of that step
  float along = 0;        // downrange along the jump run
  float across = 0;       // to the right of the jump run
  float altitude = 0;
};

// One group's path from its exit to the end of the run; it keeps drifting under canopy after
// its opening until the last group has opened, as in the main plot.
struct GroupTrack {
  std::string name;
  Colour colour = 0;             // the group's own, wherever it is in the order
  double exitTime = 0;           // on the run's clock
  std::vector<TrackPoint> path;  // from the first step after the exit
  std::size_t opening = 0;       // index into path of the step in which it passed its opening
};

// What both pictures of a load show: every group's track, the jump run and the target.
struct LoadTracks {
  std::vector<GroupTrack> groups;  // in exit order
  float exitAltitude = 0;
  float firstExitAlong = 0;  // the aircraft along the jump run at the first and the last exit
  float lastExitAlong = 0;
  double targetSeparation = 0;           // in the distance unit
  std::string distanceUnit;              // "ft" or "m"
  std::string altitudeUnit;              // "ft" or "m"
  std::optional<double> jumpRunHeading;  // degrees true, when the load gives it
  // Pairs (indices in exit order) whose separation falls short of the target.
  std::vector<std::pair<std::size_t, std::size_t>> shortPairs;
};

}  // namespace tarnwick
