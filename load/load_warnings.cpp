#include "load/load_warnings.h"

#include <cmath>

#include "load/quantity_text.h"
#include "load/shifted_flight.h"

namespace tarnwick::load {
namespace {

std::string DistanceText(double feet, const Units& units) {
  return QuantityText(Quantity::Distance, feet, units);
}

std::string AltitudeText(double feet, const Units& units) {
  return QuantityText(Quantity::Altitude, feet, units);
}

}  // namespace

std::vector<Warning> LoadWarnings(const Load& load, const LoadFlight& flight,
                                  const DelayPlan* plan) {
  std::vector<Warning> warnings;
  const Units& units = load.units;
  const auto& groups = load.groups;
  const TrackWind upper = WindAt(load, load.exitAltitude);

  // Each slower group is named once, with the nearest faster group out before it: that is the
  // opening it is blown back towards first, and a load of many groups stays readable.
  for (std::size_t k = 1; upper.headwind > 0 && k < groups.size(); ++k) {
    for (std::size_t i = k; i-- > 0;) {
      if (!(DragAreaOf(groups[i].fallRate) < DragAreaOf(groups[k].fallRate))) continue;
      warnings.push_back(
          {kFastBeforeSlowIntoHeadwind,
           groups[i].name + " falls faster than " + groups[k].name +
               " and leaves first into an upper headwind: the slower group is blown back "
               "towards the faster group's opening point"});
      break;
    }
  }

  const TrackWind ground = WindAt(load, 0);
  if (upper.headwind * ground.headwind < 0 || upper.cross * ground.cross < 0) {
    warnings.push_back({kLowerWindsOpposite,
                        "the lower winds blow opposite the winds at exit altitude: groups under "
                        "canopy drift back over the openings of the groups before them"});
  }

  for (const PairResult& pair : flight.pairs) {
    if (pair.meetsTarget) continue;
    warnings.push_back({kPairUnderTarget, groups[pair.first].name + " and " +
                                              groups[pair.second].name + " are only " +
                                              DistanceText(pair.separation, units) +
                                              " apart, under the target of " +
                                              DistanceText(load.targetSeparation, units)});
  }

  if (plan != nullptr) {
    for (std::size_t k = 1; k < plan->gaps.size(); ++k) {
      const GapRecommendation& gap = plan->gaps[k];
      if (!gap.reachable || gap.decidedBy) continue;
      warnings.push_back(
          {kDelayAtMinimum, "the delay before " + groups[k].name +
                                " is the minimum delay: separation alone would allow less, but "
                                "the group needs the time to leave the door"});
    }
  }

  // A group that opens higher and exits earlier is under canopy where a later group is still
  // falling through.
  ShiftedFlight shifted(load);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    for (std::size_t j = i + 1; j < groups.size(); ++j) {
      if (!(groups[i].openingAltitude > groups[j].openingAltitude)) continue;
      const long exitStep = flight.groups[j].exitStep;
      GroupMotion& motion = shifted.Motion(static_cast<int>(j));
      long passing = 0;
      while (passing < motion.OpeningOffset() &&
             motion.Altitude(passing) >= groups[i].openingAltitude) {
        ++passing;
      }
      const long step = exitStep + passing;
      if (step < flight.groups[i].openingStep) continue;  // the higher one is not open yet
      const Position lower = shifted.ExactAt(static_cast<int>(j), exitStep, {step})[0];
      const Position higher =
          shifted.ExactAt(static_cast<int>(i), flight.groups[i].exitStep, {step})[0];
      const double distance = Distance(lower, higher);
      if (distance >= load.targetSeparation) continue;
      warnings.push_back(
          {kOpeningAbovePath, groups[i].name + " opens at " +
                                  AltitudeText(groups[i].openingAltitude, units) + ", above " +
                                  groups[j].name + ", which falls past that altitude only " +
                                  DistanceText(distance, units) + " from its canopy"});
    }
  }
  return warnings;
}

}  // namespace tarnwick::load
