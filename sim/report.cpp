#include "sim/report.h"

#include <cmath>

#include "sim/decimal_text.h"

namespace tarnwick {
namespace {

// The value rounded to a whole number, halves away from zero. A value that rounds to zero is
// written as a plain 0: a blank would read as a missing result, and "-0" as a direction.
std::string WholeNumber(double value) {
  const double rounded = std::round(value);
  if (rounded == 0) return "0";
  return FixedText(rounded, 0);
}

}  // namespace

std::string FormatFeet(double value) {
  return WholeNumber(value) + "ft";
}

std::string FormatSeconds(double value) {
  return WholeNumber(value) + " sec.";
}

std::vector<std::string> ReportLines(const RunResult& result) {
  std::vector<std::string> lines;
  lines.emplace_back();
  for (int j = 1; j <= 2; ++j) {
    lines.push_back(" Jumper " + std::to_string(j) + " downrange " +
                    FormatFeet(result.pullDownrange[j]) + "  fall time " +
                    FormatSeconds(result.pullTime[j]));
  }
  lines.emplace_back();
  lines.emplace_back(" Separations (horizontal):");
  lines.push_back("  When first jumper pulls: " + FormatFeet(result.firstPullSeparation));
  lines.push_back("  Between deployment points: " + FormatFeet(result.DeploymentSeparation()));
  lines.push_back("  When last jumper pulls: " + FormatFeet(result.LastPullSeparation()));
  return lines;
}

void PrintReport(Canvas& results, const RunResult& result) {
  results.Cls();
  for (const std::string& line : ReportLines(result)) results.Print(line);
}

void PrintPlotNote(Canvas& plot) {
  plot.CurrentY = 2500;
  plot.CurrentX = -2000;
  plot.Print(" Points plotted every 2 seconds", false);
  plot.Print(" after 1st group exits. ");
}

}  // namespace tarnwick
