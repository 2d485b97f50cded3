#include "load/load_table.h"

#include <algorithm>
#include <array>
#include <sstream>

#include "load/load_report.h"
#include "output/printable_text.h"
#include "output/text_columns.h"

namespace tarnwick::load {
namespace {

// The table keeps to a terminal's 80 columns; the group columns' widths, the name's first.
constexpr std::size_t kLineWidth = 80;
constexpr std::array<std::size_t, 7> kGroupWidths{20, 8, 8, 8, 9, 11, 11};
constexpr std::size_t kNameWidth = kGroupWidths[0] - 1;  // a name never touches what follows
constexpr std::size_t kPairNamesWidth = 36;
constexpr std::size_t kDistanceWidth = 8;

// A name as the table shows it: escaped, as every echoed text is, and at most kNameWidth wide.
std::string Name(const std::string& name, std::size_t width = kNameWidth) {
  return Shortened(PrintableText(name), std::min(width, kNameWidth));
}

// Both names of a pair with " / " between them, within the pair column, the longer one
// shortened first.
std::string PairNames(const PairRow& pair) {
  const std::string first = PrintableText(pair.firstName);
  const std::string second = PrintableText(pair.secondName);
  const std::size_t room = kPairNamesWidth - 1 - 3;
  const std::size_t a = TextWidth(first), b = TextWidth(second), half = room / 2;
  std::size_t firstRoom = half, secondRoom = room - half;
  if (a + b <= room) {
    firstRoom = a, secondRoom = b;
  } else if (a < half) {
    firstRoom = a, secondRoom = room - a;
  } else if (b < secondRoom) {
    secondRoom = b, firstRoom = room - b;
  }
  return Shortened(first, firstRoom) + " / " + Shortened(second, secondRoom);
}

std::string LowerFirst(std::string title) {
  if (!title.empty() && title[0] >= 'A' && title[0] <= 'Z') title[0] += 'a' - 'A';
  return title;
}

void WriteGroups(std::ostream& out, const LoadReport& report) {
  std::string titles, units;
  for (std::size_t c = 0; c < kGroupWidths.size(); ++c) {
    const ReportColumn& column = report.groupColumns[c];
    titles += c == 0 ? LeftColumn(column.title, kGroupWidths[c])
                     : RightColumn(column.title, kGroupWidths[c]);
    units += c == 0 ? LeftColumn(column.unit, kGroupWidths[c])
                    : RightColumn(column.unit, kGroupWidths[c]);
  }
  out << titles << "\n" << units << "\n";
  for (const GroupRow& g : report.groups) {
    const std::array<std::string, 6> numbers{g.delay ? g.delay->number : "-",
                                             g.exitTime.number,
                                             g.fallTime.number,
                                             g.opening.number,
                                             g.downrange.number,
                                             g.crossrange.number};
    out << LeftColumn(Name(g.name), kGroupWidths[0]);
    for (std::size_t c = 0; c < numbers.size(); ++c) {
      out << RightColumn(numbers[c], kGroupWidths[c + 1]);
    }
    out << "\n";
  }
}

void WritePairs(std::ostream& out, const LoadReport& report) {
  const auto& columns = report.pairColumns;
  out << "\n";
  if (!report.pairs.empty()) {
    out << "Separations (" << columns[2].unit << "): " << LowerFirst(columns[2].title) << ", "
        << LowerFirst(columns[3].title) << ", " << LowerFirst(columns[4].title) << "\n";
  }
  for (const PairRow& p : report.pairs) {
    out << "  " << LeftColumn(PairNames(p), kPairNamesWidth)
        << RightColumn(p.whenFirstOpens.number, kDistanceWidth)
        << RightColumn(p.betweenOpenings.number, kDistanceWidth)
        << RightColumn(p.whenSecondOpens.number, kDistanceWidth)
        << (p.meetsTarget ? "" : "  * under target") << "\n";
  }
  out << report.leastSeparationLine << "\n";
}

// One gap's line: the group in the name column, then the delay and what decided it, the name
// there shortened to end the line within the table's width.
std::string GapLine(const GapRow& gap, const LoadReport& report) {
  std::string line = "  before " + LeftColumn(Name(gap.group), kGroupWidths[0]);
  const auto fitted = [&line](const std::string& name, std::size_t after) {
    const std::size_t used = TextWidth(line) + after;
    return Name(name, kLineWidth > used ? kLineWidth - used : 1);
  };
  if (!gap.reachable) {
    line += "cannot be met up to " + report.longestDelay.text;
    if (gap.inTheWay) {
      line += "; in the way: ";
      line += fitted(*gap.inTheWay, 0);
    }
  } else {
    line += gap.delay->text + ", call " + gap.call->text + " (";
    if (gap.decidedBy) {
      line += "separation from ";
      line += fitted(*gap.decidedBy, 1);
    } else {
      line += "minimum delay";
    }
    line += ")";
  }
  return line + "\n";
}

std::string JumpRunText(const std::optional<ShownQuantity>& jumpRun) {
  return jumpRun ? jumpRun->text : std::string("not every gap can be met");
}

void WriteRecommendation(std::ostream& out, const LoadReport& report) {
  const PlanReport& plan = *report.recommendation;
  out << "\nRecommended delays (flown above at the called ones):\n";
  for (const GapRow& gap : plan.gaps) out << GapLine(gap, report);
  out << "  jump run: " << JumpRunText(plan.jumpRun) << "\n";
}

void WriteBestOrder(std::ostream& out, const BestOrderReport& best) {
  out << "\nBest exit order"
      << (best.heuristic ? " (heuristic: too many groups to try every order)" : "") << ":\n";
  if (!best.found) {
    out << "  no order meets every gap"
        << (best.everyGroupBack ? " with every group back to the landing area" : "") << "\n";
    return;
  }
  for (std::size_t k = 0; k < best.order.size(); ++k) {
    const OrderRow& row = best.order[k];
    out << "  " << RoundedText(static_cast<double>(k + 1), 0) << ". " << Name(row.name);
    if (row.call) out << "  after " << row.call->text;
    out << "\n";
  }
  out << "  jump run: " << best.jumpRun->text
      << "; the given order: " << JumpRunText(best.givenJumpRun) << "\n";
  if (best.leastMargin) {
    out << "  every group back, least margin: " << best.leastMargin->text << "\n";
  }
}

// A level as the table lists it: "12000: 35 from 260", "3000: headwind 12".
std::string LevelText(const LevelRow& level) {
  std::string text = level.altitude.number + ": ";
  if (level.headwind) return text + "headwind " + level.headwind->number;
  return text + level.speed->number + " from " + level.from->number;
}

// What the load flies in: the jump run, the drop zone, the wind source and levels.
void WriteSetting(std::ostream& out, const LoadReport& report) {
  for (const std::string* line :
       {&report.jumpRunLine, &report.dropZoneLine, &report.windSourceLine}) {
    if (!line->empty()) out << Wrapped(PrintableText(*line), kLineWidth, 4);
  }
  if (report.windLevels.empty()) return;
  std::string line = "Wind levels (" + UnitOf(Quantity::Altitude, report.units) +
                     " msl: " + UnitOf(Quantity::Speed, report.units) + " from deg):";
  for (std::size_t k = 0; k < report.windLevels.size(); ++k) {
    line += (k == 0 ? " " : "; ") + LevelText(report.windLevels[k]);
  }
  out << Wrapped(line, kLineWidth, 4);
}

// "-1234 ft (-9.5 s)" and the position, when known.
std::string SpotPointText(const SpotPointRow& point) {
  std::string text = point.alongTrack.text;
  if (point.seconds) text += " (" + point.seconds->text + ")";
  if (point.position) text += " at " + *point.position;
  return text;
}

void WriteSpot(std::ostream& out, const SpotReport& spot) {
  out << "\n"
      << Wrapped("Spot (the jump run " + spot.offset.text +
                     (spot.offsetSearched ? ", the best offset," : "") +
                     " right of the landing area; along it from abeam the landing area, negative "
                     "before it):",
                 kLineWidth, 2);
  out << Wrapped("  " + spot.greenLightCall, kLineWidth, 4);
  out << Wrapped("  " + spot.redLightCall, kLineWidth, 4);
  out << "  green light: " << SpotPointText(spot.greenLight) << "\n";
  out << "  red light:   " << SpotPointText(spot.redLight) << "\n";
  out << "  every group back from green lights "
      << (spot.rangeFrom ? spot.rangeFrom->text + " to " + spot.rangeTo->text
                         : std::string("nowhere"))
      << "\n";
  for (const SpotGroupRow& g : spot.groups) {
    out << "  " << LeftColumn(Name(g.name), kGroupWidths[0]) << "reach " << g.reachRadius.text
        << ", margin " << g.margin.text << (g.margin.value < 0 ? "  * cannot get back" : "")
        << "\n";
  }
  out << "  least margin: " << spot.leastMargin.text << "\n";
  if (spot.farthestOut) {
    out << Wrapped("  farthest out of reach: " + Name(*spot.farthestOut) + ", short by " +
                       spot.farthestOutBy->text,
                   kLineWidth, 4);
  }
  if (spot.splitBefore) {
    out << Wrapped("  split the load: a second pass from " + Name(*spot.splitBefore), kLineWidth,
                   4);
  } else if (!spot.allBack) {
    out << "  no split into two passes brings every group back\n";
  }
}

}  // namespace

std::string LoadTableText(const LoadOutcome& outcome) {
  const LoadReport report = MakeLoadReport(outcome);
  std::ostringstream out;
  if (!report.name.empty()) out << Wrapped("Load: " + PrintableText(report.name), kLineWidth, 6);
  WriteSetting(out, report);
  WriteGroups(out, report);
  WritePairs(out, report);
  if (report.recommendation) WriteRecommendation(out, report);
  if (report.bestOrder) WriteBestOrder(out, *report.bestOrder);
  if (report.spot) WriteSpot(out, *report.spot);
  if (!report.warnings.empty()) {
    out << "\nWarnings:\n";
    for (const std::string& w : report.warnings) {
      out << Wrapped("  - " + PrintableText(w), kLineWidth, 4);
    }
  }
  return out.str();
}

}  // namespace tarnwick::load
