#pragma once

#include <optional>
#include <vector>

#include "load/drift.h"
#include "load/geo_position.h"
#include "load/load_flight.h"
#include "load/load_model.h"

namespace tarnwick::load {

// The spot, in the ground frame: the landing area is the origin, x runs along the jump run
// heading and y to its right; the jump run is the line y = offset, and the green light (the
// first exit) is at x = g on it. Distances in ft.

// A point of the jump run: the green or the red light.
struct SpotPoint {
  double alongTrack = 0;  // ft from the point abeam the landing area, negative before it
  // The same at the aircraft's ground speed; none when the aircraft makes no way forward.
  std::optional<double> seconds;
  std::optional<GeoPosition> position;  // with the landing area's position and a true heading
};

struct GreenLightRange {
  double from = 0;  // ft along the track, from <= to
  double to = 0;
};

// What one group's canopy can do, and where it must open to get back.
struct GroupReach {
  double canopyTime = 0;  // s from its opening down to the pattern altitude
  WindVelocity drift;     // ft the wind carries it while it does
  // The openings from which it gets back lie within reachRadius of the reach centre: the
  // landing area moved against the drift.
  double reachCentreX = 0, reachCentreY = 0;
  double reachRadius = 0;                      // reach factor x canopy airspeed x canopy time
  std::optional<GreenLightRange> greenLights;  // the green lights that bring it back; none
                                               // when it opens too far to the side
  double margin = 0;  // at the recommended green light: the reach left over, negative: short
};

struct Spot {
  double offset = 0;                     // ft the jump run passes right of the landing area
  bool offsetSearched = false;           // the offset is the best one found, not the load's own
  SpotPoint greenLight;                  // the recommended first exit: the largest least margin
  SpotPoint redLight;                    // the last exit
  std::optional<GreenLightRange> range;  // where every group gets back; none: nowhere
  std::vector<GroupReach> groups;        // in exit order
  double leastMargin = 0;
  bool allBack = false;  // every group gets back from the recommended green light
  // With no range: the group farthest out of reach at the recommended green light.
  std::optional<int> farthestOut;
  // With no range: the largest k such that the groups before k fit one pass and the groups
  // from k on another, flown as a load of their own; none when no split fits.
  std::optional<int> split;
};

// The pieces of the spot that the best order asks for every order it tries.

// What group `index` of `load` can do under canopy wherever it opens: its canopy time, drift,
// reach centre and radius (no green lights and no margin yet).
GroupReach CanopyReachOf(const Load& load, std::size_t index);

// One group's reach as the green light moves: at green light g it gets back while
// (g + along)^2 + (offset + across)^2 <= radius^2, and its margin there is radius minus that
// distance, concave in g.
struct ReachTerm {
  double along = 0;   // opening downrange of the first exit, plus the drift along the track
  double across = 0;  // opening crossrange, plus the drift across it (without the offset)
  double radius = 0;
};
ReachTerm ReachTermOf(const GroupReach& reach, float openingDownrange, float openingCrossrange);
double Margin(const ReachTerm& term, double offset, double g);
// The green lights that bring the group back; none when it opens too far to the side.
std::optional<GreenLightRange> GreenLightsOf(const ReachTerm& term, double offset);
// The green lights in both ranges; none when they do not meet.
std::optional<GreenLightRange> Overlap(const GreenLightRange& a, const GreenLightRange& b);
double LeastMargin(const std::vector<ReachTerm>& terms, double offset, double g);
// The green light with the largest least margin: within `range` when there is one.
double BestGreenLight(const std::vector<ReachTerm>& terms, double offset,
                      const std::optional<GreenLightRange>& range);

// The spot of `load` as `flight` (its flight) puts its groups, at the load's jump run offset.
Spot MakeSpot(const Load& load, const LoadFlight& flight);

// The spot at the offset on a limits::kBestOffsetStep grid within limits::kBestOffsetSpan of
// the landing area with the largest least margin (the nearest the landing area among equals).
Spot BestOffsetSpot(const Load& load, const LoadFlight& flight);

}  // namespace tarnwick::load
