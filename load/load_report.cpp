#include "load/load_report.h"

#include <cmath>

#include "load/load_limits.h"
#include "load/number_text.h"
#include "load/spot_calls.h"

namespace tarnwick::load {
namespace {

std::string NameOf(const Load& load, std::optional<int> index) {
  return load.groups[static_cast<std::size_t>(*index)].name;
}

PlanReport PlanReportOf(const Load& load, const DelayPlan& plan) {
  const Units& u = load.units;
  PlanReport report;
  for (std::size_t k = 1; k < plan.gaps.size(); ++k) {
    const GapRecommendation& gap = plan.gaps[k];
    GapRow row;
    row.group = load.groups[k].name;
    row.reachable = gap.reachable && gap.delay && gap.roundedDelay;
    if (row.reachable) {
      row.delay = Show(Quantity::Delay, *gap.delay, u);
      row.call = Show(Quantity::Call, *gap.roundedDelay, u);
      if (gap.decidedBy) row.decidedBy = NameOf(load, gap.decidedBy);
    } else if (gap.inTheWay) {
      row.inTheWay = NameOf(load, gap.inTheWay);
    }
    report.gaps.push_back(std::move(row));
  }
  if (plan.totalTime) report.jumpRun = Show(Quantity::Call, *plan.totalTime, u);
  return report;
}

BestOrderReport BestOrderReportOf(const Load& given, const BestOrder& best,
                                  const std::optional<DelayPlan>& givenPlan) {
  const Units& u = given.units;
  BestOrderReport report;
  report.found = best.found;
  report.heuristic = best.heuristic;
  report.everyGroupBack = best.rule == OrderRule::EveryGroupBack;
  if (givenPlan && givenPlan->totalTime) {
    report.givenJumpRun = Show(Quantity::Call, *givenPlan->totalTime, u);
  }
  if (!best.found) return report;
  for (std::size_t k = 0; k < best.order.size(); ++k) {
    OrderRow row;
    row.name = NameOf(given, best.order[k]);
    if (k > 0) row.call = Show(Quantity::Call, *best.plan.gaps[k].roundedDelay, u);
    report.order.push_back(std::move(row));
  }
  report.jumpRun = Show(Quantity::Call, *best.plan.totalTime, u);
  if (best.leastMargin) report.leastMargin = Show(Quantity::Distance, *best.leastMargin, u);
  return report;
}

GroupRow GroupRowOf(const Load& load, const LoadFlight& flight, std::size_t k) {
  const Units& u = load.units;
  const Group& group = load.groups[k];
  const GroupResult& result = flight.groups[k];
  GroupRow row;
  row.name = group.name;
  row.exitTime = Show(Quantity::Time, result.exitTime, u);
  row.fallTime = Show(Quantity::Time, result.fallTime, u);
  row.opening = Show(Quantity::Altitude, group.openingAltitude, u);
  row.downrange = Show(Quantity::Distance, result.openingDownrange, u);
  row.crossrange = Show(Quantity::Distance, result.openingCrossrange, u);
  row.opened = result.opened;
  if (k > 0) {
    row.delay = Show(Quantity::Delay, group.delay, u);
    row.call = Show(Quantity::Call, group.delay, u);
    row.callRounds = std::fabs(CalledSeconds(group.delay) - group.delay) > 1e-4;
  }
  return row;
}

PairRow PairRowOf(const Load& load, const PairResult& p) {
  const auto distance = [&load](double feet) { return Show(Quantity::Distance, feet, load.units); };
  PairRow row;
  row.first = p.first;
  row.second = p.second;
  row.firstName = NameOf(load, p.first);
  row.secondName = NameOf(load, p.second);
  row.whenFirstOpens = distance(p.whenFirstOpens);
  row.betweenOpenings = distance(p.betweenDeploymentPoints);
  row.whenSecondOpens = distance(p.whenSecondOpens);
  row.separation = distance(p.separation);
  row.meetsTarget = p.meetsTarget;
  return row;
}

LevelRow LevelRowOf(const WindLevel& level, const Units& u) {
  LevelRow row;
  row.altitude = Show(Quantity::Altitude, level.altitude, u);
  if (const auto* directed = std::get_if<DirectedWind>(&level.wind)) {
    row.speed = Show(Quantity::Speed, directed->speed, u);
    row.from = Show(Quantity::Direction, directed->from, u);
  } else {
    row.headwind = Show(Quantity::Speed, std::get<Headwind>(level.wind).component, u);
  }
  return row;
}

SpotPointRow SpotPointRowOf(const SpotPoint& point, const Units& u) {
  SpotPointRow row;
  row.alongTrack = Show(Quantity::Distance, point.alongTrack, u);
  if (point.seconds) row.seconds = Show(Quantity::Time, *point.seconds, u);
  if (point.position) {
    constexpr int kDegreeDecimals = 6;  // about 10 cm
    row.position = RoundedText(point.position->latitude, kDegreeDecimals) + ", " +
                   RoundedText(point.position->longitude, kDegreeDecimals);
  }
  return row;
}

std::string DegreesText(double degrees, const Units& u) {
  return Show(Quantity::Direction, degrees, u).number + "\u00b0";
}

std::string JumpRunLine(const Load& load) {
  if (!load.jumpRunHeading) return {};
  std::string line = "Jump run " + DegreesText(*load.jumpRunHeading, load.units) + " true";
  if (const auto magnetic = MagneticHeadingOf(load)) {
    line += " (" + DegreesText(*magnetic, load.units) + " magnetic)";
  }
  return line;
}

std::string DropZoneLine(const Load& load) {
  if (!load.dropZone) return {};
  const DropZone& zone = *load.dropZone;
  std::vector<std::string> parts;
  if (!zone.name.empty()) parts.push_back(zone.name);
  if (zone.latitude && zone.longitude) {
    parts.push_back(NumberText(*zone.latitude) + ", " + NumberText(*zone.longitude));
  }
  if (zone.elevation) {
    parts.push_back("elevation " + Show(Quantity::Altitude, *zone.elevation, load.units).text);
  }
  std::string line = "Drop zone:";
  for (std::size_t k = 0; k < parts.size(); ++k) line += (k == 0 ? " " : ", ") + parts[k];
  return line;
}

std::string MarginLine(const SpotReport& report) {
  std::string line = "Least margin " + report.leastMargin.text;
  if (report.allBack) return line + ": every group gets back";
  if (report.farthestOut) {
    line += ": \"" + *report.farthestOut + "\" is short by " + report.farthestOutBy->text;
  } else {
    line += ": not every group gets back";
  }
  if (report.splitBefore)
    return line + "; fly two passes, the second from \"" + *report.splitBefore + "\"";
  return line + "; no split into two passes brings every group back";
}

SpotReport SpotReportOf(const Load& load, const Spot& spot, double aircraftGroundSpeed) {
  const Units& u = load.units;
  const auto distance = [&u](double feet) { return Show(Quantity::Distance, feet, u); };
  SpotReport report;
  report.offset = distance(spot.offset);
  report.offsetSearched = spot.offsetSearched;
  report.greenLight = SpotPointRowOf(spot.greenLight, u);
  report.redLight = SpotPointRowOf(spot.redLight, u);
  report.greenLightCall = LightCall(Light::Green, spot.greenLight, aircraftGroundSpeed);
  report.redLightCall = LightCall(Light::Red, spot.redLight, aircraftGroundSpeed);
  if (spot.range) {
    report.rangeFrom = distance(spot.range->from);
    report.rangeTo = distance(spot.range->to);
  }
  for (std::size_t k = 0; k < spot.groups.size(); ++k) {
    report.groups.push_back({load.groups[k].name, distance(spot.groups[k].reachRadius),
                             distance(spot.groups[k].margin)});
  }
  report.leastMargin = distance(spot.leastMargin);
  report.allBack = spot.allBack;
  if (spot.farthestOut) {
    report.farthestOut = NameOf(load, spot.farthestOut);
    report.farthestOutBy = distance(-spot.leastMargin);
  }
  if (spot.split) report.splitBefore = NameOf(load, spot.split);
  report.marginLine = MarginLine(report);
  return report;
}

}  // namespace

std::string WindSourceLine(const WindSource& source) {
  std::string line = "Winds:";
  for (const std::string* part : {&source.format, &source.station}) {
    if (!part->empty()) line += " " + *part;
  }
  for (const std::string* part : {&source.model, &source.issued, &source.valid}) {
    if (!part->empty()) line += ", " + *part;
  }
  if (!source.note.empty()) line += "; " + source.note;
  return line;
}

LoadReport MakeLoadReport(const LoadOutcome& outcome) {
  const Load& load = outcome.flown;
  const LoadFlight& flight = outcome.flight;
  const Units& u = load.units;
  LoadReport report;
  report.name = load.name;
  report.units = u;
  const std::string distance = UnitOf(Quantity::Distance, u);
  report.groupColumns = {{{"Group", ""},
                          {"Delay", UnitOf(Quantity::Delay, u)},
                          {"Exit", UnitOf(Quantity::Time, u)},
                          {"Fall", UnitOf(Quantity::Time, u)},
                          {"Opens", UnitOf(Quantity::Altitude, u)},
                          {"Downrange", distance},
                          {"Crossrange", distance}}};
  report.pairColumns = {{{"First out", ""},
                         {"Second out", ""},
                         {"When first opens", distance},
                         {"Between openings", distance},
                         {"When second opens", distance},
                         {"Separation", distance}}};

  int jumpRun = 0;
  for (std::size_t k = 0; k < flight.groups.size(); ++k) {
    report.groups.push_back(GroupRowOf(load, flight, k));
    if (k > 0) jumpRun += CalledSeconds(load.groups[k].delay);
  }
  report.jumpRun = Show(Quantity::Call, jumpRun, u);
  for (const PairResult& p : flight.pairs) report.pairs.push_back(PairRowOf(load, p));
  report.target = Show(Quantity::Distance, load.targetSeparation, u);
  if (flight.minimumSeparation) {
    report.leastSeparation = Show(Quantity::Distance, *flight.minimumSeparation, u);
    report.leastSeparationLine = "Least separation: " + report.leastSeparation->text + " (target " +
                                 report.target.text + ")";
  } else {
    report.leastSeparationLine = std::string("Least separation: none (") +
                                 (load.groups.size() == 1 ? "one group" : "no groups") + ")";
  }
  report.longestDelay = Show(Quantity::Call, limits::kMaxPlannedDelay, u);

  if (outcome.recommendation) report.recommendation = PlanReportOf(load, *outcome.recommendation);
  if (outcome.bestOrder) {
    report.bestOrder = BestOrderReportOf(outcome.given, *outcome.bestOrder, outcome.givenPlan);
  }
  if (outcome.spot)
    report.spot = SpotReportOf(load, *outcome.spot, outcome.flight.aircraftGroundSpeed);
  for (const Warning& w : outcome.warnings) report.warnings.push_back(w.message);
  for (const WindLevel& level : load.windLevels) report.windLevels.push_back(LevelRowOf(level, u));
  if (load.windSource) report.windSourceLine = WindSourceLine(*load.windSource);
  report.jumpRunLine = JumpRunLine(load);
  report.dropZoneLine = DropZoneLine(load);
  return report;
}

}  // namespace tarnwick::load
