#pragma once

#include <optional>
#include <string>
#include <vector>

#include "entry/input_table.h"
#include "entry/scenario_options.h"

namespace tarnwick {

// The option text that goes into `box`.
std::optional<std::string>& TextOption(ScenarioOptions& options, Box box);
const std::optional<std::string>& TextOption(const ScenarioOptions& options, Box box);

// LoadPlanner opens only the load planner window, on `loadPlannerFile` when one is given.
enum class Mode { Window, LoadPlanner, Report, Sweep, RecommendDelay, Help, Version };

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
};

struct ParsedCommandLine {
  std::optional<CommandLine> commandLine;
  std::string error;  // one line, set when commandLine is empty
};

// Parses the arguments after the program name. Arguments that begin with "--" are options;
// an unknown option, a missing or malformed value or a combination that makes no sense is an
// error rather than a silently ignored input. An option that needs a value takes the next
// argument unless that begins with "--" (a value such as "--7" is given as --exit-delay=--7);
// a value with one minus sign ("-3") is a value.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// True when the mode draws a picture (--plot, --chart), which needs Qt's painting.
bool DrawsPicture(const CommandLine& line);

// The text of --help.
std::string HelpText();

}  // namespace tarnwick
