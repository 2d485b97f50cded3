#include "load/spot.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "load/load_limits.h"

namespace tarnwick::load {
namespace {

// The recommended green light is found to well within the foot the report promises.
constexpr double kGreenLightTolerance = 0.01;  // ft

// The green lights that bring back every group of `terms` from `first` to before `last`.
std::optional<GreenLightRange> RangeOf(const std::vector<ReachTerm>& terms, std::size_t first,
                                       std::size_t last, double offset) {
  GreenLightRange range{-std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::infinity()};
  for (std::size_t k = first; k < last; ++k) {
    const auto own = GreenLightsOf(terms[k], offset);
    if (!own) return std::nullopt;
    const auto both = Overlap(range, *own);
    if (!both) return std::nullopt;
    range = *both;
  }
  return range;
}

// Each group's reach, and its term, for the openings `flight` gives.
void ReachesOf(const Load& load, const LoadFlight& flight, std::vector<GroupReach>& reaches,
               std::vector<ReachTerm>& terms) {
  for (std::size_t k = 0; k < flight.groups.size(); ++k) {
    reaches.push_back(CanopyReachOf(load, k));
    const GroupResult& result = flight.groups[k];
    terms.push_back(ReachTermOf(reaches.back(), result.openingDownrange, result.openingCrossrange));
  }
}

// A point of the jump run `along` ft from abeam the landing area, with its time and place.
SpotPoint PointOnJumpRun(const Load& load, const LoadFlight& flight, double along, double offset) {
  SpotPoint point;
  point.alongTrack = along;
  if (flight.aircraftGroundSpeed > 0) point.seconds = along / flight.aircraftGroundSpeed;
  const auto landingArea = LandingAreaPosition(load);
  // The load keeps the jump run heading true, whichever way the file gave it.
  if (landingArea && load.jumpRunHeading) {
    point.position = GroundFramePosition(*landingArea, *load.jumpRunHeading, along, offset);
  }
  return point;
}

// Whether the groups from `first` on, flown as a load of their own, have a green light.
bool SecondPassFits(const Load& load, std::size_t first) {
  Load pass = load;
  pass.groups.erase(pass.groups.begin(), pass.groups.begin() + static_cast<long>(first));
  pass.groups.front().delay = 0;
  const LoadFlight flight = FlyLoad(pass);
  std::vector<GroupReach> reaches;
  std::vector<ReachTerm> terms;
  ReachesOf(pass, flight, reaches, terms);
  return RangeOf(terms, 0, terms.size(), load.jumpRunOffset).has_value();
}

Spot SpotAt(const Load& load, const LoadFlight& flight, const std::vector<GroupReach>& reaches,
            const std::vector<ReachTerm>& terms, double offset) {
  Spot spot;
  spot.offset = offset;
  spot.groups = reaches;
  if (terms.empty()) return spot;
  spot.range = RangeOf(terms, 0, terms.size(), offset);
  const double g = BestGreenLight(terms, offset, spot.range);
  spot.leastMargin = std::numeric_limits<double>::infinity();
  for (std::size_t k = 0; k < terms.size(); ++k) {
    GroupReach& reach = spot.groups[k];
    reach.greenLights = GreenLightsOf(terms[k], offset);
    reach.margin = Margin(terms[k], offset, g);
    if (reach.margin < spot.leastMargin) {
      spot.leastMargin = reach.margin;
      spot.farthestOut = static_cast<int>(k);
    }
  }
  spot.allBack = spot.range.has_value();
  if (spot.allBack) spot.farthestOut.reset();
  spot.greenLight = PointOnJumpRun(load, flight, g, offset);
  const double lastExit = flight.groups.back().exitTime;
  spot.redLight = PointOnJumpRun(load, flight, g + flight.aircraftGroundSpeed * lastExit, offset);
  return spot;
}

}  // namespace

GroupReach CanopyReachOf(const Load& load, std::size_t index) {
  const double pattern = LandingAreaElevation(load) + load.patternAltitude;
  const Canopy& canopy = CanopyOf(load, index);
  const double opening = load.groups[index].openingAltitude;
  GroupReach reach;
  // A group opening at or below the pattern altitude has no time under canopy: it must open
  // over the landing area.
  if (opening > pattern) {
    reach.canopyTime = (opening - pattern) / canopy.sinkRate;
    const WindVelocity integral = DriftIntegral(load, pattern, opening);
    reach.drift = {integral.x / canopy.sinkRate, integral.y / canopy.sinkRate};
  }
  // Against the drift; 0 - 0 is 0 where a negation would give -0.
  reach.reachCentreX = 0.0 - reach.drift.x;
  reach.reachCentreY = 0.0 - reach.drift.y;
  reach.reachRadius = load.reachFactor * KnotsToFeetPerSecond(canopy.airspeed) * reach.canopyTime;
  return reach;
}

ReachTerm ReachTermOf(const GroupReach& reach, float openingDownrange, float openingCrossrange) {
  return {static_cast<double>(openingDownrange) + reach.drift.x,
          static_cast<double>(openingCrossrange) + reach.drift.y, reach.reachRadius};
}

double Margin(const ReachTerm& term, double offset, double g) {
  return term.radius - std::hypot(g + term.along, offset + term.across);
}

std::optional<GreenLightRange> GreenLightsOf(const ReachTerm& term, double offset) {
  const double side = offset + term.across;
  if (std::fabs(side) > term.radius) return std::nullopt;
  const double half = std::sqrt(term.radius * term.radius - side * side);
  return GreenLightRange{-term.along - half, -term.along + half};
}

std::optional<GreenLightRange> Overlap(const GreenLightRange& a, const GreenLightRange& b) {
  const GreenLightRange both{std::max(a.from, b.from), std::min(a.to, b.to)};
  if (both.from > both.to) return std::nullopt;
  return both;
}

double LeastMargin(const std::vector<ReachTerm>& terms, double offset, double g) {
  double least = std::numeric_limits<double>::infinity();
  for (const ReachTerm& term : terms) least = std::min(least, Margin(term, offset, g));
  return least;
}

// The green light with the largest least margin. Each margin is concave in g, so their least
// is too, and a golden-section search over a bracket that holds the best finds it. With a range
// the best lies in it (the range is where the least margin is not negative); without one it
// lies between the groups' reach centres, since beyond them every margin falls.
double BestGreenLight(const std::vector<ReachTerm>& terms, double offset,
                      const std::optional<GreenLightRange>& range) {
  double low = std::numeric_limits<double>::infinity(), high = -low;
  if (range) {
    low = range->from, high = range->to;
  } else {
    for (const ReachTerm& term : terms) {
      low = std::min(low, -term.along);
      high = std::max(high, -term.along);
    }
  }
  const double ratio = (std::sqrt(5.0) - 1) / 2;
  double a = high - ratio * (high - low), b = low + ratio * (high - low);
  double fa = LeastMargin(terms, offset, a), fb = LeastMargin(terms, offset, b);
  while (high - low > kGreenLightTolerance) {
    if (fa < fb) {
      low = a, a = b, fa = fb;
      b = low + ratio * (high - low);
      fb = LeastMargin(terms, offset, b);
    } else {
      high = b, b = a, fb = fa;
      a = high - ratio * (high - low);
      fa = LeastMargin(terms, offset, a);
    }
  }
  return (low + high) / 2;
}

Spot MakeSpot(const Load& load, const LoadFlight& flight) {
  std::vector<GroupReach> reaches;
  std::vector<ReachTerm> terms;
  ReachesOf(load, flight, reaches, terms);
  Spot spot = SpotAt(load, flight, reaches, terms, load.jumpRunOffset);
  if (spot.allBack) return spot;
  // The groups before k keep their openings when the later ones stay aboard, since no group's
  // flight depends on another's; the groups from k on leave on a pass of their own.
  for (std::size_t k = terms.size(); k-- > 1;) {
    if (RangeOf(terms, 0, k, load.jumpRunOffset) && SecondPassFits(load, k)) {
      spot.split = static_cast<int>(k);
      break;
    }
  }
  return spot;
}

Spot BestOffsetSpot(const Load& load, const LoadFlight& flight) {
  std::vector<GroupReach> reaches;
  std::vector<ReachTerm> terms;
  ReachesOf(load, flight, reaches, terms);
  // From the landing area outwards, so that among equal margins the nearest offset stays.
  const int steps = static_cast<int>(limits::kBestOffsetSpan / limits::kBestOffsetStep);
  std::optional<Spot> best;
  for (int n = 0; n <= 2 * steps; ++n) {
    const int signedStep = n % 2 == 0 ? -n / 2 : (n + 1) / 2;
    const double offset = signedStep * limits::kBestOffsetStep;
    Spot spot = SpotAt(load, flight, reaches, terms, offset);
    if (!best || spot.leastMargin > best->leastMargin) best = std::move(spot);
  }
  Load searched = load;
  searched.jumpRunOffset = best->offset;
  Spot spot = MakeSpot(searched, flight);
  spot.offsetSearched = true;
  return spot;
}

}  // namespace tarnwick::load
