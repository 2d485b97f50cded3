#include "app/command_line.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace tarnwick {
namespace {

std::string Lower(std::string_view text) {
  std::string s(text);
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// Shows a text from the command line in a one-line message: control characters are escaped.
std::string Printable(std::string_view text) {
  std::string s;
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F) {
      static constexpr char kHex[] = "0123456789abcdef";
      s += "\\x";
      s += kHex[c >> 4];
      s += kHex[c & 0xF];
    } else {
      s += static_cast<char>(c);
    }
  }
  return s;
}

std::optional<int> FallerIndex(std::string_view text) {
  const std::string word = Lower(text);
  if (word == "fast") return 0;
  if (word == "slow") return 1;
  return std::nullopt;
}

}  // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  std::vector<std::string> words;
  bool report = false, help = false, version = false;
  bool sweep = false, recommend = false;
  auto fail = [](std::string message) {
    return ParsedCommandLine{std::nullopt, std::move(message)};
  };

  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg.rfind("--", 0) != 0) {
      words.push_back(arg);
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const auto eq = arg.find('='); eq != std::string::npos) {
      name = arg.substr(0, eq);
      inlineValue = arg.substr(eq + 1);
    }
    // Options that take a value accept it as the next argument or after "=".
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 >= arguments.size()) return std::nullopt;
      return arguments[++i];
    };
    auto takesNoValue = [&]() { return !inlineValue.has_value(); };

    std::optional<std::string>* text = nullptr;
    if (name == "--ias") text = &line.options.ias;
    if (name == "--upper-wind") text = &line.options.upperWind;
    if (name == "--lower-wind") text = &line.options.lowerWind;
    if (name == "--wind-change-altitude") text = &line.options.windChangeAltitude;
    if (name == "--exit-delay") text = &line.options.exitDelay;
    if (text) {
      auto v = value();
      if (!v) return fail(name + " needs a value");
      *text = *v;
      continue;
    }

    if (name == "--first" || name == "--second") {
      auto v = value();
      if (!v) return fail(name + " needs a value: fast or slow");
      const auto index = FallerIndex(*v);
      if (!index) return fail(name + " takes fast or slow, not \"" + Printable(*v) + "\"");
      (name == "--first" ? line.options.firstIndex : line.options.secondIndex) = index;
      continue;
    }

    struct Switch {
      const char* name;
      std::optional<bool>* target;
      bool value;
    };
    const Switch switches[] = {
        {"--upper-headwind", &line.options.upperHeadwind, true},
        {"--upper-tailwind", &line.options.upperHeadwind, false},
        {"--lower-headwind", &line.options.lowerHeadwind, true},
        {"--lower-tailwind", &line.options.lowerHeadwind, false},
    };
    bool matched = false;
    for (const Switch& s : switches) {
      if (name != s.name) continue;
      if (!takesNoValue()) return fail(name + " takes no value");
      *s.target = s.value;
      matched = true;
    }
    if (matched) continue;

    bool* flag = nullptr;
    if (name == "--report") flag = &report;
    if (name == "--help") flag = &help;
    if (name == "--version") flag = &version;
    if (flag) {
      if (!takesNoValue()) return fail(name + " takes no value");
      *flag = true;
      continue;
    }

    std::string* file = nullptr;
    if (name == "--sweep") {
      file = &line.sweep;
      sweep = true;
    }
    if (name == "--recommend-delay") {
      file = &line.recommendDelay;
      recommend = true;
    }
    if (name == "--chart") file = &line.chartFile;
    if (name == "--plot") file = &line.plotFile;
    if (file) {
      auto v = value();
      if (!v || v->empty()) return fail(name + " needs a value");
      *file = *v;
      continue;
    }
    return fail("unknown option " + Printable(name) + " (see --help)");
  }

  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) line.scenarioArgument += ' ';
    line.scenarioArgument += words[i];
  }

  if (help) {
    line.mode = Mode::Help;
  } else if (version) {
    line.mode = Mode::Version;
  } else if (sweep) {
    if (report) return fail("--sweep and --report cannot be combined");
    line.mode = Mode::Sweep;
  } else if (recommend) {
    if (report) return fail("--recommend-delay and --report cannot be combined");
    line.mode = Mode::RecommendDelay;
  } else if (report) {
    line.mode = Mode::Report;
  }
  if (!line.chartFile.empty() && line.mode != Mode::Sweep) {
    return fail("--chart goes with --sweep");
  }
  if (!line.plotFile.empty() && line.mode != Mode::Report) {
    return fail("--plot goes with --report");
  }
  return ParsedCommandLine{line, {}};
}

std::string HelpText() {
  return R"(Usage: tarnwick [ARGUMENT] [options]

Simulates the free falls of two jumpers (or groups) who leave the same aircraft one after
the other, from 14000 ft to 3000 ft msl, and reports how far apart they are when they open.

ARGUMENT selects a preset scenario: 1, 2, 3, 4, 5, 6 or 8. Any argument also selects the
slow plotting rate. Without options the program opens its windows.

Modes:
  --report              run the scenario without any window and print the results panel's
                        lines to standard output; warnings go to standard error
  --sweep FIELD=FROM:TO:STEP
                        run the scenario for every value of one input from FROM to TO in
                        steps of STEP and print CSV: the value, each jumper's downrange and
                        fall time and the three separations, one decimal. FIELD is
                        exit-delay, ias, upper-wind, lower-wind or wind-change-altitude; each
                        value goes through Go's limits as if typed into its box (each run Go
                        would warn about is named on standard error). Uses every core.
  --recommend-delay FEET
                        the shortest exit delay, in steps of 0.1 s up to 30 s, from which
                        every longer delay keeps all three separations at FEET or more (1000
                        is a common minimum between solo jumpers, 1500 between small groups).
                        The first line reads "Recommended exit delay: 7.3 s"; then the
                        separations at that delay and at the delay rounded up to whole seconds.
                        Exit status 1 when no delay up to 30 s reaches FEET.
  --chart FILE.png|FILE.svg
                        with --sweep: draw the three separations against the swept value;
                        with --recommend-delay as well, also the target line
  --plot FILE.png|FILE.svg
                        with --report: draw the finished trajectory plot as the main window
                        shows it
  --help                show this text
  --version             show the program's version

Scenario options (as if typed into the data entry window; Go's limits then apply):
  --ias KNOTS                    aircraft indicated airspeed
  --upper-wind KNOTS             wind speed above the wind change altitude
  --lower-wind KNOTS             wind speed at and below the wind change altitude
  --wind-change-altitude FEET    altitude (msl) at which the wind changes
  --exit-delay SECONDS           time between the first and the second exit
  --upper-headwind, --upper-tailwind    direction of the upper wind
  --lower-headwind, --lower-tailwind    direction of the lower wind
  --first fast|slow              fall rate of the first to exit
  --second fast|slow             fall rate of the second to exit

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

Exit status: 0 on success, 1 when --recommend-delay finds no delay, 2 for a command line or
an output file that cannot be used (nothing is written then).
)";
}

}  // namespace tarnwick
