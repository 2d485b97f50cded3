#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <functional>
#include <set>
#include <string_view>

#include "app/exit_status.h"
#include "entry/input_table.h"
#include "forecast_fetch/forecast_fetcher.h"
#include "load/load_limits.h"
#include "output/printable_text.h"
#include "sim/decimal_text.h"

namespace tarnwick {
namespace {

struct OptionRule;

// What the arguments have said so far.
struct Gathered {
  CommandLine line;
  std::vector<std::string> words;              // the arguments that are not options
  std::set<Mode> modes;                        // every mode asked for
  std::vector<const OptionRule*> companions;   // the options given that go with one mode
  const OptionRule* scenarioOption = nullptr;  // the first scenario option given
};

// Records one option's value (empty for an option without one); returns the complaint, or
// nothing when the option is taken.
using Apply = std::function<std::string(Gathered&, const std::string& value)>;

// Where --help explains an option.
enum class Section { Modes, Load, OtherModes, Scenario };

// Everything about one option: how it is parsed, what it goes with and how --help explains it.
// A new option is one more rule; every member has a default, so a rule names only what it needs.
struct OptionRule {
  std::string name{};
  enum class Value { None, Required, MayBeEmpty } value = Value::None;
  std::string valueHint{};         // what "needs a value" adds, e.g. ": fast or slow"
  Apply apply{};                   // none for an option that only asks for its mode
  std::optional<Mode> asks{};      // the mode the option asks for
  std::optional<Mode> goesWith{};  // refused unless this mode is the one chosen
  Section section = Section::Modes;
  std::string usage{};    // as --help shows it: "--load FILE"; empty: explained with the one before
  std::string meaning{};  // one paragraph of --help
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

std::string LongestDelayText() {
  return ShortestText(kLongestExitDelay) + " s";
}

// An option whose value is kept as given in `target`.
Apply Keep(std::string CommandLine::*target) {
  return [target](Gathered& g, const std::string& value) {
    g.line.*target = value;
    return std::string();
  };
}

// The modes without a window: the scenario's report, its sweep and its recommended delay, and
// the pictures that go with them.
void AddScenarioModes(Rules& rules) {
  rules.push_back({.name = "--report",
                   .asks = Mode::Report,
                   .usage = "--report",
                   .meaning =
                       "run the scenario without any window and print the results panel's lines to "
                       "standard output; Go's warnings, and every input its limits changed, go to "
                       "standard error"});
  rules.push_back(
      {.name = "--sweep",
       .value = OptionRule::Value::Required,
       .apply = Keep(&CommandLine::sweep),
       .asks = Mode::Sweep,
       .usage = "--sweep FIELD=FROM:TO:STEP",
       .meaning = "run the scenario for every value of one input from FROM to TO in steps of "
                  "STEP and print CSV: the value, each jumper's downrange and fall time and the "
                  "three separations, one decimal. FIELD is one of the numeric scenario options "
                  "below without its dashes; each value goes through Go's limits as if typed "
                  "into its box (each run Go would warn about is named on standard error). "
                  "Uses every core."});
  rules.push_back(
      {.name = "--recommend-delay",
       .value = OptionRule::Value::Required,
       .apply = Keep(&CommandLine::recommendDelay),
       .asks = Mode::RecommendDelay,
       .usage = "--recommend-delay FEET",
       .meaning = "the shortest exit delay, in steps of 0.1 s up to " + LongestDelayText() +
                  ", from which every longer delay keeps all three separations at FEET or more "
                  "(1000 is a common minimum between solo jumpers, 1500 between small groups). "
                  "The first line reads \"Recommended exit delay: 7.3 s\"; then the separations "
                  "at that delay and at the delay rounded up to whole seconds."});
  rules.push_back({.name = "--chart",
                   .value = OptionRule::Value::Required,
                   .apply = Keep(&CommandLine::chartFile),
                   .goesWith = Mode::Sweep,
                   .usage = "--chart FILE.png|FILE.svg",
                   .meaning = "with --sweep: draw the three separations against the swept "
                              "value; with --recommend-delay as well, also the target line"});
  rules.push_back({.name = "--plot",
                   .value = OptionRule::Value::Required,
                   .apply = Keep(&CommandLine::plotFile),
                   .goesWith = Mode::Report,
                   .usage = "--plot FILE.png|FILE.svg",
                   .meaning = "with --report: draw the finished trajectory plot as the main "
                              "window shows it"});
}

// --load FILE and the options that go with it: each switch or file of the load mode is a row.
void AddLoadMode(Rules& rules) {
  rules.push_back(
      {.name = "--load",
       .value = OptionRule::Value::Required,
       .valueHint = ": the load file",
       .apply =
           [](Gathered& g, const std::string& value) {
             g.line.load.file = value;
             return std::string();
           },
       .asks = Mode::Load,
       .section = Section::Load,
       .usage = "--load FILE",
       .meaning = "plan a whole load from a load file (any number of groups, each with its own "
                  "fall rate, opening altitude and delay, winds at several altitudes with their "
                  "directions; see docs/LOAD_FORMAT.md): print each group's exit, fall time and "
                  "opening point, every pair's separations (pairs under the target marked) and "
                  "warnings. The load file holds all its inputs: no scenario option goes with "
                  "it."});

  const struct {
    const char* name;
    bool LoadCommand::*target;
    std::string meaning;
  } switches[] = {
      {"--recommend", &LoadCommand::recommend,
       "fill in the shortest delay before each group, on a 0.1 s grid from the load's minimum "
       "delay to " +
           ShortestText(static_cast<float>(load::limits::kMaxPlannedDelay)) +
           " s, from which every longer one keeps the group at the target from every earlier "
           "group, and fly the load at those delays rounded up to whole seconds. The minimum "
           "delay exists because a group needs time to leave the door, and a fast group that "
           "lands in slow air must not be on top of the group before it."},
      {"--best-order", &LoadCommand::bestOrder, "add the exit order with the shortest jump run"},
      {"--spot", &LoadCommand::spot,
       "add the spot: the green light that leaves every group the most reach to fly its canopy "
       "back to the landing area, the range of green lights that bring every group back, the red "
       "light and each group's margin (with the drop zone's position, as latitude and longitude)"},
      {"--best-offset", &LoadCommand::bestOffset,
       "add the spot at the jump run offset, on a " +
           ShortestText(static_cast<float>(load::limits::kBestOffsetStep)) + " ft grid within " +
           ShortestText(static_cast<float>(load::limits::kBestOffsetSpan)) +
           " ft either side of the landing area, with the largest least margin"},
      {"--json", &LoadCommand::json, "print the result as JSON instead of a table"},
      {"--forecast", &LoadCommand::forecast,
       "replace the load's winds, before planning, with the levels of the forecast service "
       "(the open forecast API, or the address in " +
           std::string(kForecastUrlVariable) +
           ") for the drop zone's latitude and longitude at the hour nearest now (or "
           "--forecast-time). The load needs a drop zone position. Any failure (no network, no "
           "answer within " +
           std::to_string(
               std::chrono::duration_cast<std::chrono::seconds>(kForecastTimeout).count()) +
           " s, an HTTP error, an answer without the levels) is one line and status 2, and "
           "nothing is planned."},
  };
  for (const auto& s : switches) {
    rules.push_back({.name = s.name,
                     .apply =
                         [target = s.target](Gathered& g, const std::string&) {
                           g.line.load.*target = true;
                           return std::string();
                         },
                     .goesWith = Mode::Load,
                     .section = Section::Load,
                     .usage = s.name,
                     .meaning = "with --load: " + s.meaning});
  }

  const struct {
    const char* name;
    std::string LoadCommand::*target;
    const char* valueHint;
    const char* usage;
    const char* meaning;
  } files[] = {
      {"--briefing", &LoadCommand::briefingFile, ": FILE.pdf, FILE.png or FILE.svg",
       "--briefing FILE.pdf|FILE.png|FILE.svg",
       "also write the load's briefing sheet, one page for the board: aircraft and winds, the "
       "exit order with the delay to call for each gap, the openings, the separations, the "
       "warnings and both pictures (with --recommend, at the recommended delays). The table is "
       "printed only once the sheet is written."},
      {"--winds", &LoadCommand::windsFile, ": a forecast file", "--winds FILE",
       "replace the load's winds with the levels of a forecast before planning: a winds aloft "
       "bulletin, a sounding of the public sounding service or a saved response of the open "
       "forecast API, told apart by content. Levels below the drop zone's elevation are left "
       "out; the forecast's source is kept with the levels and shown."},
      {"--station", &LoadCommand::station, ": a station identifier", "--station ID",
       "with --winds: the bulletin's station (any case); a bulletin of several stations needs "
       "one."},
      {"--forecast-time", &LoadCommand::forecastTime, ": a time such as 2026-06-13T15:00Z",
       "--forecast-time TIME",
       "with --winds or --forecast: the time in UTC (2026-06-13T15:00Z) whose forecast is "
       "taken (from a text of several hours, or the hour fetched); a forecast more than an "
       "hour from it is refused."},
      {"--save-load", &LoadCommand::saveLoadFile, ": a file name", "--save-load OUT.json",
       "also write the load as planned (its winds, levels and source, and with --recommend "
       "the called delays) as a load file."},
  };
  for (const auto& f : files) {
    rules.push_back({.name = f.name,
                     .value = OptionRule::Value::Required,
                     .valueHint = f.valueHint,
                     .apply =
                         [target = f.target](Gathered& g, const std::string& value) {
                           g.line.load.*target = value;
                           return std::string();
                         },
                     .goesWith = Mode::Load,
                     .section = Section::Load,
                     .usage = f.usage,
                     .meaning = std::string("with --load: ") + f.meaning});
  }
}

// The modes that open a window or tell about the program.
void AddOtherModes(Rules& rules) {
  rules.push_back({.name = "--load-planner",
                   .asks = Mode::LoadPlanner,
                   .section = Section::OtherModes,
                   .usage = "--load-planner [FILE]",
                   .meaning = "open the load planner window alone, on FILE (a "
                              ".tarnwick-load.json file) when one is given; this one needs a "
                              "display"});
  rules.push_back({.name = "--help",
                   .asks = Mode::Help,
                   .section = Section::OtherModes,
                   .usage = "--help",
                   .meaning = "show this text"});
  rules.push_back({.name = "--version",
                   .asks = Mode::Version,
                   .section = Section::OtherModes,
                   .usage = "--version",
                   .meaning = "show the program's version"});
}

// The numeric inputs, as if typed into their boxes (an emptied box is a valid entry).
void AddScenarioTexts(Rules& rules) {
  for (const InputRow& input : kInputTable) {
    rules.push_back({.name = "--" + std::string(input.option),
                     .value = OptionRule::Value::MayBeEmpty,
                     .apply =
                         [box = input.box](Gathered& g, const std::string& value) {
                           TextOption(g.line.options, box) = value;
                           return std::string();
                         },
                     .section = Section::Scenario,
                     .usage = "--" + std::string(input.option) + ' ' + std::string(input.valueName),
                     .meaning = std::string(input.meaning)});
  }
}

// The wind directions, as if ticked in the check boxes; the last of opposing switches wins.
void AddWindSwitches(Rules& rules) {
  const struct {
    const char* name;
    std::optional<bool> ScenarioOptions::*target;
    bool headwind;
    const char* usage;  // the pair, on the first of it
    const char* meaning;
  } switches[] = {
      {"--upper-headwind", &ScenarioOptions::upperHeadwind, true,
       "--upper-headwind, --upper-tailwind", "direction of the upper wind"},
      {"--upper-tailwind", &ScenarioOptions::upperHeadwind, false, "", ""},
      {"--lower-headwind", &ScenarioOptions::lowerHeadwind, true,
       "--lower-headwind, --lower-tailwind", "direction of the lower wind"},
      {"--lower-tailwind", &ScenarioOptions::lowerHeadwind, false, "", ""},
  };
  for (const auto& s : switches) {
    rules.push_back(
        {.name = s.name,
         .apply =
             [target = s.target, headwind = s.headwind](Gathered& g, const std::string&) {
               g.line.options.*target = headwind;
               return std::string();
             },
         .section = Section::Scenario,
         .usage = s.usage,
         .meaning = s.meaning});
  }
}

// Who exits first and second, fast or slow, as if chosen in the lists.
void AddFallers(Rules& rules) {
  for (const bool first : {true, false}) {
    const std::string name = first ? "--first" : "--second";
    rules.push_back(
        {.name = name,
         .value = OptionRule::Value::Required,
         .valueHint = ": fast or slow",
         .apply =
             [first, name](Gathered& g, const std::string& value) {
               const auto index = FallerIndex(value);
               if (!index) return name + " takes fast or slow, not " + QuotedText(value);
               (first ? g.line.options.firstIndex : g.line.options.secondIndex) = index;
               return std::string();
             },
         .section = Section::Scenario,
         .usage = name + " fast|slow",
         .meaning = std::string("fall rate of the ") + (first ? "first" : "second") + " to exit"});
  }
}

// In the order --help explains them.
const Rules& OptionRules() {
  static const Rules rules = [] {
    Rules r;
    AddScenarioModes(r);
    AddLoadMode(r);
    AddOtherModes(r);
    AddScenarioTexts(r);
    AddWindSwitches(r);
    AddFallers(r);
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

// The option that asks for `mode`, for messages.
std::string ModeOption(Mode mode) {
  for (const OptionRule& rule : OptionRules()) {
    if (rule.asks == mode) return rule.name;
  }
  return "the windows";
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
  } else {
    // Given after "=", a value is taken as it stands; as the next argument, one that looks like
    // an option is the user's next option, not a value.
    if (!value && i + 1 < arguments.size() && !LooksLikeOption(arguments[i + 1])) {
      value = arguments[++i];
    }
    if (!value || (value->empty() && rule->value == OptionRule::Value::Required)) {
      return name + " needs a value" + rule->valueHint;
    }
  }
  if (rule->asks) g.modes.insert(*rule->asks);
  if (rule->goesWith) g.companions.push_back(rule);
  if (rule->section == Section::Scenario && g.scenarioOption == nullptr) g.scenarioOption = rule;
  return rule->apply ? rule->apply(g, value.value_or(std::string())) : std::string();
}

std::string JoinWords(const std::vector<std::string>& words) {
  std::string joined;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) joined += ' ';
    joined += words[i];
  }
  return joined;
}

// A mode that works on a load file, not on the data entry window's scenario, stands alone.
std::string LoadFileModeProblem(const Gathered& g, Mode mode) {
  const std::string name = ModeOption(mode);
  for (const Mode other : g.modes) {
    if (other != mode) return name + " and " + ModeOption(other) + " cannot be combined";
  }
  if (g.scenarioOption != nullptr) {
    return g.scenarioOption->name + " does not go with " + name +
           "; the load file holds the load's inputs";
  }
  return {};
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
    if (std::string problem = LoadFileModeProblem(g, Mode::LoadPlanner); !problem.empty()) {
      return problem;
    }
    // Its one word is the load file to open.
    if (g.words.size() > 1) return "--load-planner opens one load file";
    line.loadPlannerFile = g.words.empty() ? std::string() : g.words.front();
    line.scenarioArgument.clear();
    line.mode = Mode::LoadPlanner;
  } else if (asked(Mode::Load)) {
    if (std::string problem = LoadFileModeProblem(g, Mode::Load); !problem.empty()) {
      return problem;
    }
    if (!g.words.empty()) {
      return QuotedText(g.words.front()) + " does not go with --load, which plans one load file";
    }
    line.mode = Mode::Load;
  } else if (asked(Mode::Sweep)) {
    if (asked(Mode::Report)) return "--sweep and --report cannot be combined";
    line.mode = Mode::Sweep;
  } else if (asked(Mode::RecommendDelay)) {
    if (asked(Mode::Report)) return "--recommend-delay and --report cannot be combined";
    line.mode = Mode::RecommendDelay;
  } else if (asked(Mode::Report)) {
    line.mode = Mode::Report;
  }
  for (const OptionRule* companion : g.companions) {
    if (line.mode != *companion->goesWith) {
      return companion->name + " goes with " + ModeOption(*companion->goesWith);
    }
  }
  const LoadCommand& load = line.load;
  if (!load.windsFile.empty() && load.forecast) return "--winds and --forecast cannot be combined";
  if (!load.station.empty() && load.windsFile.empty()) return "--station goes with --winds";
  if (!load.forecastTime.empty() && load.windsFile.empty() && !load.forecast) {
    return "--forecast-time goes with --winds or --forecast";
  }
  return {};
}

// --help's lines are at most this long.
constexpr std::size_t kHelpWidth = 80;

// `text` broken at blanks into lines of at most kHelpWidth columns, the first going on from
// column `start`, the others indented by `indent`.
std::string Wrapped(std::string_view text, std::size_t start, std::size_t indent) {
  std::string wrapped;
  std::size_t column = start;
  bool lineHasWord = false;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string_view word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    if (lineHasWord && column + 1 + word.size() > kHelpWidth) {
      wrapped += '\n';
      wrapped.append(indent, ' ');
      column = indent;
      lineHasWord = false;
    }
    if (lineHasWord) {
      wrapped += ' ';
      ++column;
    }
    wrapped += word;
    column += word.size();
    lineHasWord = true;
  }
  return wrapped;
}

std::string Paragraph(std::string_view text) {
  return Wrapped(text, 0, 0) + '\n';
}

// One entry of the help, its text starting in `column`, on the next line when the entry's
// name is too long for its own.
std::string HelpEntry(const std::string& name, std::string_view meaning, std::size_t column) {
  std::string text = "  " + name;
  if (text.size() + 1 > column) {
    text += '\n';
    text.append(column, ' ');
  } else {
    text.append(column - text.size(), ' ');
  }
  return text + Wrapped(meaning, column, column) + '\n';
}

// Every option of `section`, in the table's order.
std::string SectionHelp(Section section, std::size_t column) {
  std::string text;
  for (const OptionRule& rule : OptionRules()) {
    if (rule.section == section && !rule.usage.empty()) {
      text += HelpEntry(rule.usage, rule.meaning, column);
    }
  }
  return text;
}

std::string StatusNumber(int status) {
  char text[16];
  return std::string(text, std::to_chars(text, text + sizeof text, status).ptr);
}

std::string ExitStatusHelp() {
  using namespace exit_status;
  const std::pair<int, std::string> statuses[] = {
      {kSuccess, "success"},
      {kNoDelayReachesTarget,
       "--recommend-delay found no delay up to " + LongestDelayText() + " that reaches FEET"},
      {kUnusable,
       "a command line, a load file, an output file or standard output that cannot be used; "
       "an existing file is then left as it was"},
      {kNoDisplay, "the windows were asked for, but no display can be used"},
  };
  std::string text = "Exit status:\n";
  for (const auto& [status, meaning] : statuses) {
    text += HelpEntry(StatusNumber(status), meaning, 5);
  }
  return text;
}

std::string SeparationsHelp() {
  const std::pair<const char*, const char*> separations[] = {
      {"When first jumper pulls",
       "at the moment the first of them opens, the other still falling (0 when both open in "
       "the same instant; --recommend-delay then counts the distance between them)"},
      {"Between deployment points", "between the two points over the ground where each opened"},
      {"When last jumper pulls", "at the moment the other one opens, the first under canopy"},
  };
  std::string text = "The three separations, horizontal distances between the two jumpers:\n";
  for (const auto& [name, meaning] : separations) text += HelpEntry(name, meaning, 30);
  return text + Paragraph(
                    "The separations need not grow with the delay: a slow group after a fast one "
                    "into a headwind first closes in, then drifts away. So --recommend-delay does "
                    "not stop at the first delay that reaches FEET when a longer one falls short "
                    "again: a jumpmaster's call is a minimum, and any delay at or beyond it, the "
                    "rounded-up call included, must keep the separation.");
}

}  // namespace

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
  return !line.plotFile.empty() || !line.chartFile.empty() || !line.load.briefingFile.empty();
}

std::string HelpText() {
  constexpr std::size_t kModeColumn = 24;
  return "Usage: tarnwick [ARGUMENT] [options]\n"
         "       tarnwick --load FILE [load options]\n\n" +
         Paragraph(
             "Simulates the free falls of two jumpers (or groups) who leave the same "
             "aircraft one after the other, from 14000 ft to 3000 ft msl, and reports how "
             "far apart they are when they open.") +
         '\n' +
         Paragraph(
             "ARGUMENT selects a preset scenario: 1, 2, 3, 4, 5, 6 or 8. Any argument also "
             "selects the slow plotting rate. Without options the program opens its "
             "windows.") +
         "\nModes without a window (none of them needs a display):\n" +
         SectionHelp(Section::Modes, kModeColumn) + '\n' +
         Paragraph(
             "A picture replaces an existing file only once it is wholly written; a "
             "folder, a device or a FIFO in its place is refused.") +
         "\nWhole-load planning (no window, no display needed either):\n" +
         SectionHelp(Section::Load, kModeColumn) + "\nOther modes:\n" +
         SectionHelp(Section::OtherModes, kModeColumn) + '\n' +
         Paragraph(
             "Scenario options (as if typed into the data entry window; Go's limits then "
             "apply, and standard error names every value they change):") +
         SectionHelp(Section::Scenario, 31) + '\n' +
         Paragraph(
             "A value may follow its option as the next argument or after \"=\" "
             "(--ias=85); one that begins with \"--\" must be given after \"=\".") +
         '\n' + SeparationsHelp() + '\n' + ExitStatusHelp();
}

}  // namespace tarnwick
