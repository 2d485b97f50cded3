#include "briefing/briefing_sheet.h"

#include <cmath>

#include "load_pictures/tracks_of_flight.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {
namespace {

std::string Length(double feet, load::LengthUnit unit) {
  return WholeNumberText(load::FromFeet(feet, unit)) + " " + std::string(load::UnitName(unit));
}

std::string Speed(double knots, load::SpeedUnit unit) {
  return WholeNumberText(load::FromKnots(knots, unit)) + " " + std::string(load::UnitName(unit));
}

std::string Degrees(double degrees) {
  return WholeNumberText(degrees) + " deg";
}

std::string FallRateText(const load::FallRate& rate, const load::Units& units) {
  switch (rate.kind) {
    case load::FallRate::Kind::Slow:
      return "Slow";
    case load::FallRate::Kind::Fast:
      return "Fast";
    case load::FallRate::Kind::DragArea:
      return "drag area " + OneDecimalText(rate.dragArea) + " sq ft";
    case load::FallRate::Kind::TerminalSpeed:
      return Speed(rate.terminalSpeed, rate.unit.value_or(units.speed)) + " at " +
             Length(rate.atAltitude, units.altitude);
  }
  return {};
}

std::string WindText(const load::WindLayer& layer, const load::Units& units) {
  std::string where = layer.above ? "Above " + Length(*layer.above, units.altitude)
                                  : std::string("Down to the ground");
  if (const auto* directed = std::get_if<load::DirectedWind>(&layer.wind)) {
    return where + ": " + Speed(directed->speed, units.speed) + " from " + Degrees(directed->from);
  }
  const double headwind = std::get<load::Headwind>(layer.wind).component;
  if (headwind < 0) return where + ": tailwind " + Speed(-headwind, units.speed);
  return where + ": headwind " + Speed(headwind, units.speed);
}

}  // namespace

int CalledDelaySeconds(double delay) {
  // A delay already whole within float precision is called as it is, not a second longer.
  const double nearest = std::round(delay);
  if (std::fabs(delay - nearest) < 1e-4) return static_cast<int>(nearest);
  return static_cast<int>(std::ceil(delay));
}

BriefingSheet MakeBriefingSheet(const load::LoadOutcome& outcome, const std::string& name,
                                const std::string& date) {
  const load::Load& load = outcome.flown;
  const load::LoadFlight& flight = outcome.flight;
  const std::vector<load::Warning>& warnings = outcome.warnings;
  const load::Units& units = load.units;
  BriefingSheet sheet;
  sheet.title = load.name.empty() ? name : load.name;
  sheet.date = date;
  sheet.aircraft = Speed(load.indicatedAirspeed, units.speed) + " indicated, exit at " +
                   Length(load.exitAltitude, units.altitude) + " msl";
  if (load.jumpRunHeading) sheet.aircraft += ", jump run " + Degrees(*load.jumpRunHeading);
  for (const load::WindLayer& layer : load.winds) sheet.winds.push_back(WindText(layer, units));
  if (sheet.winds.empty()) sheet.winds.push_back("Calm");
  sheet.target = "Target separation " + Length(load.targetSeparation, units.distance) +
                 ", minimum delay " + WholeNumberText(load.minimumDelay) + " s";

  int jumpRun = 0;
  for (std::size_t k = 0; k < load.groups.size(); ++k) {
    const load::Group& g = load.groups[k];
    BriefingGroupRow row;
    row.name = g.name;
    if (k == 0) {
      row.call = "first out";
    } else {
      const int call = CalledDelaySeconds(g.delay);
      jumpRun += call;
      row.call = std::to_string(call) + " s";
      if (std::fabs(call - g.delay) > 1e-4)
        row.call += " (planned " + OneDecimalText(g.delay) + " s)";
    }
    row.fallRate = FallRateText(g.fallRate, units);
    row.opening = Length(g.openingAltitude, units.altitude);
    if (k < flight.groups.size() && flight.groups[k].opened) {
      row.fallTime = OneDecimalText(flight.groups[k].fallTime) + " s";
    }
    sheet.groups.push_back(std::move(row));
  }
  sheet.jumpRun = "Jump run " + std::to_string(jumpRun) + " s from the first exit to the last";

  for (const load::PairResult& pair : flight.pairs) {
    const auto first = static_cast<std::size_t>(pair.first);
    const auto second = static_cast<std::size_t>(pair.second);
    if (first >= load.groups.size() || second >= load.groups.size()) continue;
    sheet.pairs.push_back({load.groups[first].name, load.groups[second].name,
                           Length(pair.separation, units.distance), !pair.meetsTarget});
  }
  for (const load::Warning& w : warnings) sheet.warnings.push_back(w.message);
  sheet.tracks = TracksOfFlight(load, flight);
  return sheet;
}

}  // namespace tarnwick
