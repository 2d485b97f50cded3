#include "load/load_command.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>

#include "load/load_file.h"
#include "load/load_flight.h"
#include "load/load_plan.h"

namespace tarnwick::load {
namespace {

// A load file, command line or standard output that cannot be used: the program's status 2.
constexpr int kUnusable = 2;

struct LoadOptions {
  std::string file;
  bool recommend = false;
  bool bestOrder = false;
  bool json = false;
};

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

void WriteTable(std::ostream& out, const Load& load, const LoadFlight& flight,
                const std::vector<Warning>& warnings, const DelayPlan* plan, const BestOrder* best,
                const Load& given) {
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
      const DelayPlan givenPlan = RecommendDelays(given);
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

int RunLoadCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  LoadOptions options;
  bool haveFile = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--load" || arg.rfind("--load=", 0) == 0) {
      if (arg == "--load") {
        if (i + 1 >= arguments.size()) {
          err << "tarnwick: --load needs a file\n";
          return kUnusable;
        }
        options.file = arguments[++i];
      } else {
        options.file = arg.substr(7);
      }
      haveFile = !options.file.empty();
    } else if (arg == "--recommend") {
      options.recommend = true;
    } else if (arg == "--best-order") {
      options.bestOrder = true;
    } else if (arg == "--json") {
      options.json = true;
    } else {
      err << "tarnwick: " << arg << " does not go with --load (see --help)\n";
      return kUnusable;
    }
  }
  if (!haveFile) {
    err << "tarnwick: --load needs a file\n";
    return kUnusable;
  }
  std::ifstream file(options.file, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file && !file.eof()) {
    err << "tarnwick: " << options.file << ": cannot be read\n";
    return kUnusable;
  }
  if (!file.is_open()) {
    err << "tarnwick: " << options.file << ": cannot be opened\n";
    return kUnusable;
  }
  const ReadLoad read = ReadLoadText(text);
  if (!read.load) {
    err << "tarnwick: " << options.file << ": " << read.error << "\n";
    return kUnusable;
  }
  const Load& given = *read.load;

  std::optional<DelayPlan> plan;
  Load flown = given;
  if (options.recommend) {
    plan = RecommendDelays(given);
    flown = WithRoundedDelays(given, *plan);
  }
  std::optional<BestOrder> best;
  if (options.bestOrder) best = FindBestOrder(given);
  const LoadFlight flight = FlyLoad(flown);
  const std::vector<Warning> warnings = LoadWarnings(flown, flight, plan ? &*plan : nullptr);

  std::ostringstream text_out;
  if (options.json) {
    text_out << WriteResultJson(flown, flight, warnings, plan ? &*plan : nullptr,
                                best ? &*best : nullptr);
  } else {
    WriteTable(text_out, flown, flight, warnings, plan ? &*plan : nullptr, best ? &*best : nullptr,
               given);
  }
  out << text_out.str();
  out.flush();
  if (!out) {
    err << "tarnwick: the results could not be written\n";
    return kUnusable;
  }
  return 0;
}

}  // namespace tarnwick::load
