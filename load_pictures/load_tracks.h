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

// One group's reach on the map: the openings from which its canopy gets back to the landing
// area lie within `radius` of (x, y).
struct ReachCircle {
  double x = 0, y = 0, radius = 0;
};

// The spot, for the top view's map of the ground frame: the landing area at the origin, x
// along the jump run heading and y to its right, in the distance unit. A track's point
// (along, across) lies at (greenLight + along, offset + across) on it.
struct SpotMap {
  double greenLight = 0;             // x of the first exit
  double redLight = 0;               // x of the last exit
  double offset = 0;                 // y of the jump run
  std::vector<ReachCircle> reaches;  // in exit order
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
  // The landing area's elevation and the pattern altitude over it, msl in the altitude unit.
  float groundAltitude = 0;
  float patternAltitude = 0;
  std::optional<SpotMap> spot;  // when the answer has one: the top view is then a map
};

}  // namespace tarnwick
