#include "load/load_warnings.h"

#include <cmath>

#include "load/load_limits.h"
#include "load/quantity_text.h"
#include "load/shifted_flight.h"
#include "sim/constants.h"

namespace tarnwick::load {
namespace {

std::string DistanceText(double feet, const Units& units) {
  return QuantityText(Quantity::Distance, feet, units);
}

// The least wind component worth a warning, ft/s.
constexpr double kWarnedWind = kWarnedWindKnots * model::kFeetPerSecondPerKnot;

// Two components blowing opposite ways, each at least kWarnedWind.
bool Opposed(double a, double b) {
  return std::fabs(a) >= kWarnedWind && std::fabs(b) >= kWarnedWind && (a > 0) != (b > 0);
}

// "G2", "G2 and G3", "G2, G3 and G4".
std::string NameList(const std::vector<Group>& groups, const std::vector<std::size_t>& which) {
  std::string text;
  for (std::size_t n = 0; n < which.size(); ++n) {
    if (n > 0) text += n + 1 == which.size() ? " and " : ", ";
    text += groups[which[n]].name;
  }
  return text;
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
  // opening it is blown back towards first. One line per faster group keeps a load of many
  // groups readable.
  if (upper.headwind >= kWarnedWind) {
    std::vector<std::vector<std::size_t>> slowerBehind(groups.size());
    for (std::size_t k = 1; k < groups.size(); ++k) {
      for (std::size_t i = k; i-- > 0;) {
        if (!(DragAreaOf(groups[i].fallRate) < DragAreaOf(groups[k].fallRate))) continue;
        slowerBehind[i].push_back(k);
        break;
      }
    }
    for (std::size_t i = 0; i < groups.size(); ++i) {
      if (slowerBehind[i].empty()) continue;
      const bool one = slowerBehind[i].size() == 1;
      warnings.push_back({kFastBeforeSlowIntoHeadwind,
                          groups[i].name + " falls faster than " +
                              NameList(groups, slowerBehind[i]) +
                              " and leaves first into an upper headwind: " +
                              (one ? "the slower group is" : "the slower groups are") +
                              " blown back towards the faster group's opening point"});
    }
  }

  // Winds that turn below: only where both the wind aloft and the ground wind are worth a
  // warning, and said for the direction they turn in.
  const TrackWind ground = WindAt(load, 0);
  if (Opposed(upper.headwind, ground.headwind)) {
    warnings.push_back(
        {kLowerWindsOpposite,
         std::string("the lower winds blow against the winds at exit altitude along the jump "
                     "run: groups under canopy drift ") +
             (ground.headwind > 0 ? "back over the openings of the groups out before them"
                                  : "forward over the openings of the groups out after them")});
  }
  if (Opposed(upper.cross, ground.cross)) {
    warnings.push_back({kLowerWindsOpposite,
                        "the lower winds blow against the winds at exit altitude across the jump "
                        "run: groups under canopy drift sideways, back across the line of the "
                        "openings"});
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

  // A minimum delay raised above a delay already set: that gap is shorter than the door needs.
  // Compared as the delay is kept, in single precision, so that 5.1 s is not under 5.1 s.
  for (std::size_t k = 1; k < groups.size(); ++k) {
    if (!(groups[k].delay < static_cast<float>(load.minimumDelay))) continue;
    warnings.push_back(
        {kDelayUnderMinimum, "the delay before " + groups[k].name + " is " +
                                 QuantityText(Quantity::Delay, groups[k].delay, units) +
                                 ", under the minimum delay of " +
                                 QuantityText(Quantity::Delay, load.minimumDelay, units)});
  }

  // Too little height left to sort out a malfunction over the landing area's ground.
  const double elevation = LandingAreaElevation(load);
  for (const Group& group : groups) {
    if (!(group.openingAltitude - elevation < limits::kLowOpeningAboveGround)) continue;
    warnings.push_back(
        {kOpeningLow, group.name + " opens at " + AltitudeText(group.openingAltitude, units) +
                          ", less than " + AltitudeText(limits::kLowOpeningAboveGround, units) +
                          " above the landing area"});
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
