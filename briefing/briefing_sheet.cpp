#include "briefing/briefing_sheet.h"

#include "load/load_report.h"
#include "load/quantity_text.h"
#include "load_pictures/tracks_of_flight.h"
#include "output/printable_text.h"

namespace tarnwick {
namespace {

using load::Quantity;
using load::QuantityText;

std::string FallRateText(const load::FallRate& rate, const load::Units& units) {
  switch (rate.kind) {
    case load::FallRate::Kind::Slow:
      return "Slow";
    case load::FallRate::Kind::Fast:
      return "Fast";
    case load::FallRate::Kind::DragArea:
      return "drag area " + QuantityText(Quantity::DragArea, rate.dragArea, units);
    case load::FallRate::Kind::TerminalSpeed:
      break;
  }
  load::Units own = units;  // the terminal speed in the unit it was given in
  own.speed = rate.unit.value_or(units.speed);
  return QuantityText(Quantity::Speed, rate.terminalSpeed, own) + " at " +
         QuantityText(Quantity::Altitude, rate.atAltitude, units);
}

// "35 kt from 250 deg", "headwind 12 kt", "tailwind 5 kt".
std::string WindWords(const load::LayerWind& wind, const load::Units& units) {
  if (const auto* directed = std::get_if<load::DirectedWind>(&wind)) {
    return QuantityText(Quantity::Speed, directed->speed, units) + " from " +
           QuantityText(Quantity::Direction, directed->from, units);
  }
  const double headwind = std::get<load::Headwind>(wind).component;
  if (headwind < 0) return "tailwind " + QuantityText(Quantity::Speed, -headwind, units);
  return "headwind " + QuantityText(Quantity::Speed, headwind, units);
}

std::string WindText(const load::WindLayer& layer, const load::Units& units) {
  const std::string where = layer.above
                                ? "Above " + QuantityText(Quantity::Altitude, *layer.above, units)
                                : std::string("Down to the ground");
  return where + ": " + WindWords(layer.wind, units);
}

std::string WindText(const load::WindLevel& level, const load::Units& units) {
  return "At " + QuantityText(Quantity::Altitude, level.altitude, units) + ": " +
         WindWords(level.wind, units);
}

}  // namespace

BriefingSheet MakeBriefingSheet(const load::LoadOutcome& outcome, const std::string& name,
                                const std::string& date) {
  const load::Load& load = outcome.flown;
  const load::LoadReport report = load::MakeLoadReport(outcome);
  const load::Units& units = load.units;
  BriefingSheet sheet;
  sheet.title = load.name.empty() ? name : load.name;
  sheet.date = date;
  sheet.aircraft = QuantityText(Quantity::Speed, load.indicatedAirspeed, units) +
                   " indicated, exit at " +
                   QuantityText(Quantity::Altitude, load.exitAltitude, units) + " msl";
  if (load::MagneticHeadingOf(load)) {
    sheet.aircraft += ", j" + report.jumpRunLine.substr(1);  // "jump run 270° true (259° ...)"
  } else if (load.jumpRunHeading) {
    sheet.aircraft +=
        ", jump run " + QuantityText(Quantity::Direction, *load.jumpRunHeading, units);
  }
  for (const load::WindLayer& layer : load.winds) sheet.winds.push_back(WindText(layer, units));
  for (const load::WindLevel& level : load.windLevels) {
    sheet.winds.push_back(WindText(level, units));
  }
  if (!report.windSourceLine.empty()) sheet.windSource = PrintableText(report.windSourceLine);
  if (!report.dropZoneLine.empty()) sheet.dropZone = PrintableText(report.dropZoneLine);
  if (sheet.winds.empty()) sheet.winds.push_back("Calm");
  sheet.target = "Target separation " + report.target.text + ", minimum delay " +
                 QuantityText(Quantity::Delay, load.minimumDelay, units);

  for (std::size_t k = 0; k < report.groups.size(); ++k) {
    const load::GroupRow& g = report.groups[k];
    BriefingGroupRow row;
    row.name = g.name;
    row.call = g.call ? g.call->text : std::string("first out");
    if (g.callRounds) row.call += " (planned " + g.delay->text + ")";
    row.fallRate = FallRateText(load.groups[k].fallRate, units);
    row.opening = g.opening.text;
    if (g.opened) row.fallTime = g.fallTime.text;
    sheet.groups.push_back(std::move(row));
  }
  sheet.jumpRun = "Jump run " + report.jumpRun.text + " from the first exit to the last";

  for (const load::PairRow& pair : report.pairs) {
    sheet.pairs.push_back(
        {pair.firstName, pair.secondName, pair.separation.text, !pair.meetsTarget});
  }
  sheet.leastSeparation = report.leastSeparationLine;
  if (report.spot) {
    const load::SpotReport& spot = *report.spot;
    BriefingSpot calls;
    calls.calls = {PrintableText(spot.greenLightCall), PrintableText(spot.redLightCall)};
    if (spot.greenLight.position && spot.redLight.position) {
      calls.positions = "Green light at " + *spot.greenLight.position + "; red light at " +
                        *spot.redLight.position;
    }
    calls.margin = PrintableText(spot.marginLine);
    calls.allBack = spot.allBack;
    sheet.spot = std::move(calls);
  }
  sheet.warnings = report.warnings;
  sheet.tracks = TracksOfOutcome(outcome);
  return sheet;
}

}  // namespace tarnwick
