#pragma once

#include <iosfwd>

#include "app/command_line.h"

namespace tarnwick {

// --sweep FIELD=FROM:TO:STEP [--chart FILE] [--recommend-delay FEET]: the CSV of the three
// separations for every value, the chart when asked for.
int RunSweepMode(const CommandLine& line, std::ostream& out, std::ostream& err);

// --recommend-delay FEET: the shortest safe exit delay on the 0.1 s grid up to 30 s.
int RunRecommendDelayMode(const CommandLine& line, std::ostream& out, std::ostream& err);

// --report --plot FILE: the report, and the finished trajectory plot as a picture.
int RunReportWithPlot(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tarnwick
