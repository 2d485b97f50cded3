#pragma once

#include <optional>
#include <string>
#include <vector>

#include "entry/input_table.h"
#include "entry/scenario_options.h"

namespace tarnwick {

// LoadPlanner opens only the load planner window, on `loadPlannerFile` when one is given; Load
// plans a load file without a window (`load`).
enum class Mode { Window, LoadPlanner, Report, Sweep, RecommendDelay, Load, Help, Version };

// --load FILE and the options that go with it.
struct LoadCommand {
  std::string file;          // --load FILE: the load file
  bool recommend = false;    // --recommend: every delay recommended, the load flown at the calls
  bool bestOrder = false;    // --best-order: the exit order with the shortest jump run
  bool spot = false;         // --spot: the green and red lights that bring every group back
  bool bestOffset = false;   // --best-offset: the spot at the jump run offset that suits best
  bool json = false;         // --json: the result as JSON instead of the table
  std::string briefingFile;  // --briefing FILE: the briefing sheet to write; empty for none
  std::string windsFile;     // --winds FILE: a forecast whose levels replace the load's winds
  std::string station;       // --station ID: the bulletin's station, as given
  std::string forecastTime;  // --forecast-time TIME: the forecast's time, as given
  std::string saveLoadFile;  // --save-load FILE: the load as planned, written back; empty: none
  bool forecast = false;     // --forecast: the winds fetched for the load's drop zone
};

struct CommandLine {
  Mode mode = Mode::Window;
  // Every argument that is not an option, joined by single blanks: selects the preset.
  std::string scenarioArgument;
  ScenarioOptions options;
  std::string sweep;            // --sweep FIELD=FROM:TO:STEP, as given
  std::string recommendDelay;   // --recommend-delay FEET, as given
  std::string chartFile;        // --chart FILE (with --sweep)
  std::string plotFile;         // --plot FILE (with --report)
  std::string loadPlannerFile;  // --load-planner [FILE]: the load to open, may be empty
  LoadCommand load;             // --load FILE and its options
};

struct ParsedCommandLine {
  std::optional<CommandLine> commandLine;
  std::string error;  // one line, set when commandLine is empty
};

// Parses the arguments after the program name, by one table of option rules that also writes
// --help. Arguments that begin with "--" are options; an unknown option, a missing or malformed
// value, an option without the mode it goes with or a combination that makes no sense is an
// error rather than a silently ignored input. An option that needs a value takes the next
// argument unless that begins with "--" (a value such as "--7" is given as --exit-delay=--7);
// a value with one minus sign ("-3") is a value.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// True when the mode draws a picture (--plot, --chart, --briefing), which needs Qt's painting.
bool DrawsPicture(const CommandLine& line);

// The text of --help, no line longer than 80 columns.
std::string HelpText();

}  // namespace tarnwick
