#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "sim/simulation.h"

namespace tarnwick {

// "#####ft": the value rounded to a whole number (halves away from zero), then "ft". A value
// that rounds to zero is written "0ft", never a bare "ft" nor "-0ft".
std::string FormatFeet(double value);
// "### sec.": the same rounding, then " sec.".
std::string FormatSeconds(double value);

// The results panel's lines, exactly as the panel shows them, starting with its empty line.
std::vector<std::string> ReportLines(const RunResult& result);

// Prints the report on the results panel (after clearing it) and the note under the plot.
void PrintReport(Canvas& results, const RunResult& result);
void PrintPlotNote(Canvas& plot);

}  // namespace tarnwick
