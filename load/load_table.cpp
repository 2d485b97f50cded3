#include "load/load_table.h"

#include <charconv>
#include <ostream>
#include <sstream>

namespace tarnwick::load {
namespace {

// Rounded to `decimals` for the table; locale-independent.
std::string Fixed(double value, int decimals) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, written.ptr);
  return text == "-0" ? "0" : text;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string Left(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string GapText(const GapRecommendation& gap, const Load& load) {
  if (!gap.reachable) {
    return "cannot be met up to 60 s; in the way: " + load.groups[*gap.inTheWay].name;
  }
  return Fixed(*gap.delay, 1) + " s, call " + Fixed(*gap.roundedDelay, 0) + " s (" +
         (gap.decidedBy ? "separation from " + load.groups[*gap.decidedBy].name
                        : std::string("minimum delay")) +
         ")";
}

void WriteTable(std::ostream& out, const LoadOutcome& outcome) {
  const Load& load = outcome.flown;
  const Load& given = outcome.given;
  const LoadFlight& flight = outcome.flight;
  const std::vector<Warning>& warnings = outcome.warnings;
  const DelayPlan* plan = outcome.recommendation ? &*outcome.recommendation : nullptr;
  const BestOrder* best = outcome.bestOrder ? &*outcome.bestOrder : nullptr;
  const Units& u = load.units;
  const std::string d = std::string(UnitName(u.distance));
  const std::string a = std::string(UnitName(u.altitude));
  if (!load.name.empty()) out << "Load: " << load.name << "\n";
  out << Left("Group", 20) << Padded("Delay", 8) << Padded("Exit", 8) << Padded("Fall", 8)
      << Padded("Opens", 9) << Padded("Downrange", 11) << Padded("Crossrange", 11) << "\n";
  out << Left("", 20) << Padded("s", 8) << Padded("s", 8) << Padded("s", 8) << Padded(a, 9)
      << Padded(d, 11) << Padded(d, 11) << "\n";
  for (std::size_t k = 0; k < flight.groups.size(); ++k) {
    const GroupResult& g = flight.groups[k];
    out << Left(load.groups[k].name, 20) << Padded(k == 0 ? "-" : Fixed(load.groups[k].delay, 1), 8)
        << Padded(Fixed(g.exitTime, 2), 8) << Padded(Fixed(g.fallTime, 1), 8)
        << Padded(Fixed(FromFeet(load.groups[k].openingAltitude, u.altitude), 0), 9)
        << Padded(Fixed(FromFeet(g.openingDownrange, u.distance), 0), 11)
        << Padded(Fixed(FromFeet(g.openingCrossrange, u.distance), 0), 11) << "\n";
  }
  out << "\nSeparations (" << d << "): when the first opens, between deployment points, when "
      << "the second opens\n";
  for (const PairResult& p : flight.pairs) {
    out << "  " << Left(load.groups[p.first].name + " / " + load.groups[p.second].name, 36)
        << Padded(Fixed(FromFeet(p.whenFirstOpens, u.distance), 0), 8)
        << Padded(Fixed(FromFeet(p.betweenDeploymentPoints, u.distance), 0), 8)
        << Padded(Fixed(FromFeet(p.whenSecondOpens, u.distance), 0), 8)
        << (p.meetsTarget ? "" : "  * under the target") << "\n";
  }
  out << "Least separation: " << Fixed(FromFeet(flight.minimumSeparation, u.distance), 0) << " "
      << d << " (target " << Fixed(FromFeet(load.targetSeparation, u.distance), 0) << " " << d
      << ")\n";
  if (plan != nullptr) {
    out << "\nRecommended delays (flown above at the called ones):\n";
    for (std::size_t k = 1; k < plan->gaps.size(); ++k) {
      out << "  before " << Left(load.groups[k].name, 20) << GapText(plan->gaps[k], load) << "\n";
    }
    out << "  jump run: "
        << (plan->totalTime ? Fixed(*plan->totalTime, 0) + " s"
                            : std::string("not every gap can be met"))
        << "\n";
  }
  if (best != nullptr) {
    out << "\nBest exit order"
        << (best->heuristic ? " (heuristic: too many groups to try every order)" : "") << ":\n";
    if (!best->found) {
      out << "  no order meets every gap\n";
    } else {
      for (std::size_t k = 0; k < best->order.size(); ++k) {
        out << "  " << k + 1 << ". " << given.groups[best->order[k]].name;
        if (k > 0) out << "  after " << Fixed(*best->plan.gaps[k].roundedDelay, 0) << " s";
        out << "\n";
      }
      const DelayPlan& givenPlan = *outcome.givenPlan;
      out << "  jump run: " << Fixed(*best->plan.totalTime, 0) << " s; the given order: "
          << (givenPlan.totalTime ? Fixed(*givenPlan.totalTime, 0) + " s"
                                  : std::string("not every gap can be met"))
          << "\n";
    }
  }
  if (!warnings.empty()) {
    out << "\nWarnings:\n";
    for (const Warning& w : warnings) out << "  - " << w.message << "\n";
  }
}

}  // namespace

std::string LoadTableText(const LoadOutcome& outcome) {
  std::ostringstream out;
  WriteTable(out, outcome);
  return out.str();
}

}  // namespace tarnwick::load
