#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <set>
#include <string_view>

#include "app/exit_status.h"
#include "entry/input_table.h"
#include "load/load_limits.h"
#include "output/printable_text.h"
#include "sim/decimal_text.h"

namespace tarnwick {
namespace {

// What the arguments have said so far.
struct Gathered {
  CommandLine line;
  std::vector<std::string> words;  // the arguments that are not options
  std::set<Mode> modes;            // every mode asked for
};

// Records one option with its value (empty for an option without one); returns the complaint,
// or nothing when the option is taken.
using Apply = std::function<std::string(Gathered&, const std::string& value)>;

struct OptionRule {
  std::string name;
  enum class Value { None, Required, MayBeEmpty } value = Value::None;
  std::string valueHint;  // what "needs a value" adds, e.g. ": fast or slow"
  Apply apply;
};
using Rules = std::vector<OptionRule>;

std::string Lower(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::optional<int> FallerIndex(std::string_view text) {
  const std::string word = Lower(text);
  if (word == "fast") return 0;
  if (word == "slow") return 1;
  return std::nullopt;
}

bool LooksLikeOption(std::string_view argument) {
  return argument.rfind("--", 0) == 0;
}

// The numeric inputs, as if typed into their boxes (an emptied box is a valid entry).
void AddScenarioTexts(Rules& rules) {
  for (const InputRow& input : kInputTable) {
    rules.push_back({"--" + std::string(input.option),
                     OptionRule::Value::MayBeEmpty,
                     {},
                     [box = input.box](Gathered& g, const std::string& value) {
                       TextOption(g.line.options, box) = value;
                       return std::string();
                     }});
  }
}

// Who exits first and second, fast or slow, as if chosen in the lists.
void AddFallers(Rules& rules) {
  for (const bool first : {true, false}) {
    const std::string name = first ? "--first" : "--second";
    rules.push_back({name, OptionRule::Value::Required, ": fast or slow",
                     [first, name](Gathered& g, const std::string& value) {
                       const auto index = FallerIndex(value);
                       if (!index) return name + " takes fast or slow, not " + QuotedText(value);
                       (first ? g.line.options.firstIndex : g.line.options.secondIndex) = index;
                       return std::string();
                     }});
  }
}

// The wind directions, as if ticked in the check boxes; the last of opposing switches wins.
void AddWindSwitches(Rules& rules) {
  const struct {
    const char* name;
    std::optional<bool> ScenarioOptions::*target;
    bool headwind;
  } switches[] = {
      {"--upper-headwind", &ScenarioOptions::upperHeadwind, true},
      {"--upper-tailwind", &ScenarioOptions::upperHeadwind, false},
      {"--lower-headwind", &ScenarioOptions::lowerHeadwind, true},
      {"--lower-tailwind", &ScenarioOptions::lowerHeadwind, false},
  };
  for (const auto& s : switches) {
    rules.push_back({s.name,
                     OptionRule::Value::None,
                     {},
                     [target = s.target, headwind = s.headwind](Gathered& g, const std::string&) {
                       g.line.options.*target = headwind;
                       return std::string();
                     }});
  }
}

// The modes without a value of their own.
void AddModeFlags(Rules& rules) {
  const std::pair<const char*, Mode> flags[] = {{"--report", Mode::Report},
                                                {"--help", Mode::Help},
                                                {"--version", Mode::Version},
                                                {"--load-planner", Mode::LoadPlanner}};
  for (const auto& [name, mode] : flags) {
    rules.push_back(
        {name, OptionRule::Value::None, {}, [mode = mode](Gathered& g, const std::string&) {
           g.modes.insert(mode);
           return std::string();
         }});
  }
}

// The modes and companions that take a value: the planner's range and target, the pictures.
void AddModeValues(Rules& rules) {
  const struct {
    const char* name;
    std::string CommandLine::*target;
    std::optional<Mode> mode;
  } options[] = {
      {"--sweep", &CommandLine::sweep, Mode::Sweep},
      {"--recommend-delay", &CommandLine::recommendDelay, Mode::RecommendDelay},
      {"--chart", &CommandLine::chartFile, std::nullopt},
      {"--plot", &CommandLine::plotFile, std::nullopt},
  };
  for (const auto& o : options) {
    rules.push_back({o.name,
                     OptionRule::Value::Required,
                     {},
                     [target = o.target, mode = o.mode](Gathered& g, const std::string& value) {
                       g.line.*target = value;
                       if (mode) g.modes.insert(*mode);
                       return std::string();
                     }});
  }
}

const Rules& OptionRules() {
  static const Rules rules = [] {
    Rules r;
    AddScenarioTexts(r);
    AddFallers(r);
    AddWindSwitches(r);
    AddModeFlags(r);
    AddModeValues(r);
    return r;
  }();
  return rules;
}

const OptionRule* RuleFor(std::string_view name) {
  for (const OptionRule& rule : OptionRules()) {
    if (rule.name == name) return &rule;
  }
  return nullptr;
}

// One argument that begins with "--", with the arguments after it for a value that follows.
// Returns the complaint, or nothing when the option is taken.
std::string TakeOption(Gathered& g, const std::vector<std::string>& arguments, std::size_t& i) {
  const std::string& argument = arguments[i];
  const auto equals = argument.find('=');
  const std::string name = argument.substr(0, equals);
  const OptionRule* rule = RuleFor(name);
  if (rule == nullptr) return "unknown option " + PrintableText(name) + " (see --help)";

  std::optional<std::string> value;
  if (equals != std::string::npos) value = argument.substr(equals + 1);
  if (rule->value == OptionRule::Value::None) {
    if (value) return name + " takes no value";
    return rule->apply(g, {});
  }
  // Given after "=", a value is taken as it stands; as the next argument, one that looks like
  // an option is the user's next option, not a value.
  if (!value && i + 1 < arguments.size() && !LooksLikeOption(arguments[i + 1])) {
    value = arguments[++i];
  }
  if (!value || (value->empty() && rule->value == OptionRule::Value::Required)) {
    return name + " needs a value" + rule->valueHint;
  }
  return rule->apply(g, *value);
}

bool AnyScenarioOption(const ScenarioOptions& o) {
  return o.ias || o.upperWind || o.lowerWind || o.windChangeAltitude || o.exitDelay ||
         o.upperHeadwind || o.lowerHeadwind || o.firstIndex || o.secondIndex;
}

std::string JoinWords(const std::vector<std::string>& words) {
  std::string joined;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += words[i];
  }
  return joined;
}

// Picks the mode from those asked for; returns the complaint about a combination that makes
// no sense, or nothing.
std::string ResolveMode(Gathered& g) {
  const auto asked = [&g](Mode mode) { return g.modes.count(mode) > 0; };
  CommandLine& line = g.line;
  if (asked(Mode::Help)) {
    line.mode = Mode::Help;
  } else if (asked(Mode::Version)) {
    line.mode = Mode::Version;
  } else if (asked(Mode::LoadPlanner)) {
    // The planner works on a load, not on the data entry window's scenario; its one word is
    // the load file to open.
    if (g.modes.size() > 1) return "--load-planner cannot be combined with another mode";
    if (AnyScenarioOption(line.options)) {
      return "--load-planner takes no scenario options; the load file holds its inputs";
    }
    if (g.words.size() > 1) return "--load-planner opens one load file";
    line.loadPlannerFile = g.words.empty() ? std::string() : g.words.front();
    line.scenarioArgument.clear();
    line.mode = Mode::LoadPlanner;
  } else if (asked(Mode::Sweep)) {
    if (asked(Mode::Report)) return "--sweep and --report cannot be combined";
    line.mode = Mode::Sweep;
  } else if (asked(Mode::RecommendDelay)) {
    if (asked(Mode::Report)) return "--recommend-delay and --report cannot be combined";
    line.mode = Mode::RecommendDelay;
  } else if (asked(Mode::Report)) {
    line.mode = Mode::Report;
  }
  if (!line.chartFile.empty() && line.mode != Mode::Sweep) return "--chart goes with --sweep";
  if (!line.plotFile.empty() && line.mode != Mode::Report) return "--plot goes with --report";
  return {};
}

std::string StatusNumber(int status) {
  char text[16];
  return std::string(text, std::to_chars(text, text + sizeof text, status).ptr);
}

std::string LongestDelayText() {
  return ShortestText(kLongestExitDelay) + " s";
}

// One option of the help, its text starting in the column of the others, on the next line
// when the option is too long for its own.
std::string HelpEntry(const std::string& option, std::string_view meaning, std::size_t column) {
  std::string text = "  " + option;
  if (text.size() + 1 > column) {
    text += '\n';
    text.append(column, ' ');
  } else {
    text.append(column - text.size(), ' ');
  }
  text += meaning;
  return text + '\n';
}

// The scenario's numeric options, from the input table, in the data entry window's order.
std::string ScenarioOptionsHelp() {
  std::string text;
  for (const InputRow& input : kInputTable) {
    text += HelpEntry("--" + std::string(input.option) + ' ' + std::string(input.valueName),
                      input.meaning, 33);
  }
  return text;
}

std::string ExitStatusHelp() {
  using namespace exit_status;
  const std::pair<int, std::string> statuses[] = {
      {kSuccess, "success"},
      {kNoDelayReachesTarget,
       "--recommend-delay found no delay up to " + LongestDelayText() + " that reaches FEET"},
      {kUnusable,
       "a command line, a load file, an output file or standard output that cannot be\n"
       "     used;"
       " an existing file is then left as it was"},
      {kNoDisplay, "the windows were asked for, but no display can be used"},
  };
  std::string text = "Exit status:\n";
  for (const auto& [status, meaning] : statuses) {
    text += "  " + StatusNumber(status) + "  " + meaning + '\n';
  }
  return text;
}

}  // namespace

std::optional<std::string>& TextOption(ScenarioOptions& options, Box box) {
  switch (box) {
    case Box::Ias:
      return options.ias;
    case Box::UpperWind:
      return options.upperWind;
    case Box::LowerWind:
      return options.lowerWind;
    case Box::WindChangeAltitude:
      return options.windChangeAltitude;
    case Box::ExitDelay:
      break;
  }
  return options.exitDelay;
}

const std::optional<std::string>& TextOption(const ScenarioOptions& options, Box box) {
  return TextOption(const_cast<ScenarioOptions&>(options), box);
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  auto fail = [](std::string message) {
    return ParsedCommandLine{std::nullopt, std::move(message)};
  };
  Gathered g;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (!LooksLikeOption(arguments[i])) {
      g.words.push_back(arguments[i]);
    } else if (std::string problem = TakeOption(g, arguments, i); !problem.empty()) {
      return fail(std::move(problem));
    }
  }
  g.line.scenarioArgument = JoinWords(g.words);
  if (std::string problem = ResolveMode(g); !problem.empty()) return fail(std::move(problem));
  return ParsedCommandLine{std::move(g.line), {}};
}

bool DrawsPicture(const CommandLine& line) {
  return !line.plotFile.empty() || !line.chartFile.empty();
}

std::string HelpText() {
  return R"(Usage: tarnwick [ARGUMENT] [options]

Simulates the free falls of two jumpers (or groups) who leave the same aircraft one after
the other, from 14000 ft to 3000 ft msl, and reports how far apart they are when they open.

ARGUMENT selects a preset scenario: 1, 2, 3, 4, 5, 6 or 8. Any argument also selects the
slow plotting rate. Without options the program opens its windows.

Modes (none of them needs a display):
  --report              run the scenario without any window and print the results panel's
                        lines to standard output; warnings go to standard error
  --sweep FIELD=FROM:TO:STEP
                        run the scenario for every value of one input from FROM to TO in
                        steps of STEP and print CSV: the value, each jumper's downrange and
                        fall time and the three separations, one decimal. FIELD is one of
                        the numeric scenario options below without its dashes; each value
                        goes through Go's limits as if typed into its box (each run Go
                        would warn about is named on standard error). Uses every core.
  --recommend-delay FEET
                        the shortest exit delay, in steps of 0.1 s up to )" +
         LongestDelayText() + R"(, from which
                        every longer delay keeps all three separations at FEET or more (1000
                        is a common minimum between solo jumpers, 1500 between small groups).
                        The first line reads "Recommended exit delay: 7.3 s"; then the
                        separations at that delay and at the delay rounded up to whole seconds.
  --chart FILE.png|FILE.svg
                        with --sweep: draw the three separations against the swept value;
                        with --recommend-delay as well, also the target line
  --plot FILE.png|FILE.svg
                        with --report: draw the finished trajectory plot as the main window
                        shows it
  --load FILE [--recommend] [--best-order] [--json] [--briefing FILE]
                        plan a whole load from a load file (any number of groups, each with
                        its own fall rate, opening altitude and delay, winds at several
                        altitudes with their directions; see docs/LOAD_FORMAT.md): print each
                        group's exit, fall time and opening point, every pair's separations
                        (pairs under the target marked) and warnings. --recommend fills in the
                        shortest delay before each group, on a 0.1 s grid from the load's
                        minimum delay to )" +
         ShortestText(static_cast<float>(load::limits::kMaxPlannedDelay)) +
         R"( s, from which every longer one keeps the group at
                        the target from every earlier group, and flies the load at those
                        delays rounded up to whole seconds. The minimum delay exists because a
                        group needs time to leave the door, and a fast group that lands in
                        slow air must not be on top of the group before it. --best-order adds
                        the exit order with the shortest jump run. --json prints the result as
                        JSON instead of a table.
  --briefing FILE.pdf|FILE.png|FILE.svg
                        with --load: also write the load's briefing sheet, one page for the
                        board: aircraft and winds, the exit order with the delay to call for
                        each gap, the openings, the separations, the warnings and both
                        pictures (with --recommend, at the recommended delays)
  --load-planner [FILE]  open the load planner window alone, on FILE (a .tarnwick-load.json
                        file) when one is given; this one needs a display
  --help                show this text
  --version             show the program's version

A picture replaces an existing file only once it is wholly written; a folder, a device or a
FIFO in its place is refused.

Scenario options (as if typed into the data entry window; Go's limits then apply):
)" + ScenarioOptionsHelp() +
         R"(  --upper-headwind, --upper-tailwind    direction of the upper wind
  --lower-headwind, --lower-tailwind    direction of the lower wind
  --first fast|slow              fall rate of the first to exit
  --second fast|slow             fall rate of the second to exit
A value may follow its option as the next argument or after "=" (--ias=85); one that
begins with "--" must be given after "=".

The three separations, horizontal distances between the two jumpers:
  When first jumper pulls     at the moment the first of them opens, the other still falling
                              (0 when both open in the same instant; --recommend-delay then
                              counts the distance between them)
  Between deployment points   between the two points over the ground where each opened
  When last jumper pulls      at the moment the other one opens, the first under canopy
The separations need not grow with the delay: a slow group after a fast one into a headwind
first closes in, then drifts away. So --recommend-delay does not stop at the first delay that
reaches FEET when a longer one falls short again: a jumpmaster's call is a minimum, and any
delay at or beyond it, the rounded-up call included, must keep the separation.

)" + ExitStatusHelp();
}

}  // namespace tarnwick
