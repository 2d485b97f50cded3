#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "entry/input_table.h"

namespace tarnwick {
namespace {

CommandLine Parse(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.commandLine.has_value()) << parsed.error;
  return parsed.commandLine.value_or(CommandLine{});
}

std::string ErrorOf(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_FALSE(parsed.commandLine.has_value());
  EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << "errors are one line";
  return parsed.error;
}

// `text` with every run of blanks and line breaks made one blank, as the help reads.
std::string Flowing(const std::string& text) {
  std::string flowing;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n';
    if (!blank) {
      flowing += c;
    } else if (!flowing.empty() && flowing.back() != ' ') {
      flowing += ' ';
    }
  }
  return flowing;
}

TEST(CommandLine, WordsFormTheScenarioArgument) {
  EXPECT_EQ(Parse({}).mode, Mode::Window);
  EXPECT_EQ(Parse({}).scenarioArgument, "");
  EXPECT_EQ(Parse({"5"}).scenarioArgument, "5");
  const CommandLine line = Parse({"a", "--report", "b", "c"});
  EXPECT_EQ(line.scenarioArgument, "a b c");
  EXPECT_EQ(line.mode, Mode::Report);
}

TEST(CommandLine, ScenarioOptionsKeepTheTextAsTyped) {
  const CommandLine line =
      Parse({"--report", "--ias", "85 knots", "--upper-wind=-150", "--lower-wind", "12,5",
             "--wind-change-altitude", "", "--exit-delay=--7", "--first", "FAST", "--second",
             "slow", "--upper-tailwind", "--lower-headwind"});
  EXPECT_EQ(line.options.ias, "85 knots");
  EXPECT_EQ(line.options.upperWind, "-150");
  EXPECT_EQ(line.options.lowerWind, "12,5");
  EXPECT_EQ(line.options.windChangeAltitude, "");  // an emptied box is a valid entry
  EXPECT_EQ(line.options.exitDelay, "--7");        // after "=" a value is taken as it stands
  EXPECT_EQ(line.options.firstIndex, 0);
  EXPECT_EQ(line.options.secondIndex, 1);
  EXPECT_EQ(line.options.upperHeadwind, false);
  EXPECT_EQ(line.options.lowerHeadwind, true);
}

TEST(CommandLine, AnOptionIsNeverTakenForAValue) {
  // The user's next option stays an option: the delay is missing, not "--second".
  EXPECT_EQ(ErrorOf({"--report", "--exit-delay", "--second", "slow"}),
            "--exit-delay needs a value");
  EXPECT_EQ(ErrorOf({"--first", "--second", "slow"}), "--first needs a value: fast or slow");
  EXPECT_EQ(ErrorOf({"--sweep", "--chart", "c.png"}), "--sweep needs a value");
  EXPECT_EQ(ErrorOf({"--report", "--plot", "--ias", "80"}), "--plot needs a value");
  // One minus sign is a number's sign, as typed into the box.
  EXPECT_EQ(Parse({"--report", "--exit-delay", "-3"}).options.exitDelay, "-3");
  EXPECT_EQ(Parse({"--upper-wind", "-", "--report"}).options.upperWind, "-");
}

TEST(CommandLine, TheLastOfOpposingSwitchesWins) {
  EXPECT_EQ(Parse({"--upper-headwind", "--upper-tailwind"}).options.upperHeadwind, false);
  EXPECT_EQ(Parse({"--lower-tailwind", "--lower-headwind"}).options.lowerHeadwind, true);
}

TEST(CommandLine, ModesAndTheirCompanions) {
  EXPECT_EQ(Parse({"--help", "--report"}).mode, Mode::Help);
  EXPECT_EQ(Parse({"--version"}).mode, Mode::Version);
  const CommandLine sweep =
      Parse({"--sweep", "exit-delay=0:30:1", "--chart", "c.svg", "--recommend-delay", "1000"});
  EXPECT_EQ(sweep.mode, Mode::Sweep);
  EXPECT_EQ(sweep.sweep, "exit-delay=0:30:1");
  EXPECT_EQ(sweep.recommendDelay, "1000");
  EXPECT_EQ(sweep.chartFile, "c.svg");
  EXPECT_EQ(Parse({"--recommend-delay", "1500"}).mode, Mode::RecommendDelay);
  EXPECT_EQ(Parse({"--report", "--plot", "p.png"}).plotFile, "p.png");
}

TEST(CommandLine, RefusesWhatItCannotUse) {
  EXPECT_NE(ErrorOf({"--bogus"}).find("--bogus"), std::string::npos);
  EXPECT_NE(ErrorOf({"--report", "--ias"}).find("--ias"), std::string::npos);
  EXPECT_NE(ErrorOf({"--first", "medium"}).find("medium"), std::string::npos);
  ErrorOf({"--second"});
  // Control characters in what was typed never break the message over two lines.
  EXPECT_NE(ErrorOf({"--sw\n'x"}).find("--sw\\x0a'x"), std::string::npos);
  ErrorOf({"--first", "a\nb"});
  ErrorOf({"--report=yes"});
  ErrorOf({"--upper-headwind=1"});
  ErrorOf({"--sweep"});
  ErrorOf({"--report", "--sweep", "ias=1:2:1"});
  ErrorOf({"--chart", "c.png"});
  ErrorOf({"--plot", "p.png"});
  ErrorOf({"--sweep", "ias=1:2:1", "--plot", "p.png"});
  ErrorOf(
      {"-"
       "-"});
}

// The planner's one word is its file, never a preset; nothing of the scenario goes with it.
TEST(CommandLine, TheLoadPlannerTakesOneFileAndNothingOfTheScenario) {
  EXPECT_EQ(Parse({"--load-planner"}).mode, Mode::LoadPlanner);
  EXPECT_EQ(Parse({"--load-planner"}).loadPlannerFile, "");
  const CommandLine line = Parse({"--load-planner", "5"});
  EXPECT_EQ(line.loadPlannerFile, "5");
  EXPECT_EQ(line.scenarioArgument, "");
  EXPECT_EQ(Parse({"sunday.tarnwick-load.json", "--load-planner"}).loadPlannerFile,
            "sunday.tarnwick-load.json");
  EXPECT_EQ(Parse({"--load-planner", "--help"}).mode, Mode::Help);
  ErrorOf({"--load-planner", "a.json", "b.json"});
  ErrorOf({"--load-planner", "--report"});
  ErrorOf({"--load-planner", "--ias", "90"});
  ErrorOf({"--load-planner=a.json"});
}

// --load and its options are rules of the same table, refused the same way as every other.
TEST(CommandLine, TheLoadModeAndItsOptions) {
  const CommandLine line =
      Parse({"--load", "sat.json", "--recommend", "--best-order", "--json", "--briefing=s.pdf"});
  EXPECT_EQ(line.mode, Mode::Load);
  EXPECT_EQ(line.load.file, "sat.json");
  EXPECT_TRUE(line.load.recommend);
  EXPECT_TRUE(line.load.bestOrder);
  EXPECT_TRUE(line.load.json);
  EXPECT_EQ(line.load.briefingFile, "s.pdf");
  EXPECT_TRUE(DrawsPicture(line));  // the sheet needs Qt's painting
  const CommandLine plain = Parse({"--load=sat.json"});
  EXPECT_EQ(plain.load.file, "sat.json");
  EXPECT_FALSE(plain.load.recommend || plain.load.bestOrder || plain.load.json);
  EXPECT_FALSE(DrawsPicture(plain));
  EXPECT_EQ(Parse({"--load", "-"}).load.file, "-");  // one minus sign is a value
  EXPECT_EQ(Parse({"--help", "--load", "f"}).mode, Mode::Help);
}

TEST(CommandLine, LoadOptionsAreRefusedLikeEveryOther) {
  // A misspelt option is unknown, wherever it stands.
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--recomend"}), "unknown option --recomend (see --help)");
  EXPECT_EQ(ErrorOf({"--recomend", "--load", "f.json"}), "unknown option --recomend (see --help)");
  // No option takes the next option as its value.
  EXPECT_EQ(ErrorOf({"--load"}), "--load needs a value: the load file");
  EXPECT_EQ(ErrorOf({"--load", "--json", "f.json"}), "--load needs a value: the load file");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--briefing", "--json"}),
            "--briefing needs a value: FILE.pdf, FILE.png or FILE.svg");
  EXPECT_EQ(ErrorOf({"--load="}), "--load needs a value: the load file");
  // A load option without --load.
  EXPECT_EQ(ErrorOf({"--json"}), "--json goes with --load");
  EXPECT_EQ(ErrorOf({"--forecast"}), "--forecast goes with --load");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--forecast-time", "2026-06-13T15:00Z"}),
            "--forecast-time goes with --winds or --forecast");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--station", "DEN"}), "--station goes with --winds");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--winds", "w.txt", "--forecast"}),
            "--winds and --forecast cannot be combined");
  EXPECT_EQ(
      Parse({"--load", "f", "--forecast", "--forecast-time=2026-06-13T15:00Z"}).load.forecastTime,
      "2026-06-13T15:00Z");
  EXPECT_EQ(ErrorOf({"--report", "--recommend"}), "--recommend goes with --load");
  EXPECT_EQ(ErrorOf({"--sweep", "ias=80:90:5", "--briefing", "b.pdf"}),
            "--briefing goes with --load");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--best-order=yes"}), "--best-order takes no value");
  // The load file holds the load's inputs: no scenario, no preset, no other mode.
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--ias", "90"}),
            "--ias does not go with --load; the load file holds the load's inputs");
  EXPECT_EQ(ErrorOf({"--first", "slow", "--load", "f.json"}),
            "--first does not go with --load; the load file holds the load's inputs");
  EXPECT_EQ(ErrorOf({"5", "--load", "f.json"}),
            "\"5\" does not go with --load, which plans one load file");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--report"}), "--load and --report cannot be combined");
  EXPECT_EQ(ErrorOf({"--load", "a.json", "--load-planner"}),
            "--load-planner and --load cannot be combined");
  EXPECT_EQ(ErrorOf({"--load", "f.json", "--plot", "p.png"}), "--plot goes with --report");
  // What was typed is echoed on one line.
  ErrorOf({"--load", "f.json", "a\nb"});
}

// The help is written from the option table: every option it names is one the parser knows,
// and it fits a terminal of 80 columns.
TEST(CommandLine, HelpNamesEveryOption) {
  const std::string help = HelpText();
  for (const char* option : {"--report",
                             "--ias",
                             "--upper-wind",
                             "--lower-wind",
                             "--wind-change-altitude",
                             "--exit-delay",
                             "--upper-headwind",
                             "--upper-tailwind",
                             "--lower-headwind",
                             "--lower-tailwind",
                             "--first",
                             "--second",
                             "--help",
                             "--version",
                             "--load-planner",
                             "--load FILE",
                             "--recommend ",
                             "--best-order ",
                             "--json ",
                             "--briefing FILE.pdf|FILE.png|FILE.svg"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  // Each numeric option with its value and meaning, as the input table has them.
  for (const InputRow& input : kInputTable) {
    const std::string option =
        "--" + std::string(input.option) + ' ' + std::string(input.valueName);
    const std::size_t at = help.find(option);
    ASSERT_NE(at, std::string::npos) << option;
    EXPECT_NE(help.find(input.meaning, at), std::string::npos) << option;
  }
  EXPECT_NE(help.find("up to 30 s"), std::string::npos);  // the data entry window's delay limit
  // --recommend's range, as docs/LOAD_FORMAT.md documents it, however the help wraps it.
  EXPECT_NE(Flowing(help).find("from the load's minimum delay to 60 s,"), std::string::npos);

  std::size_t lineStart = 0;
  while (lineStart < help.size()) {
    const std::size_t end = help.find('\n', lineStart);
    ASSERT_NE(end, std::string::npos) << "the help ends with a line break";
    EXPECT_LE(end - lineStart, 80u) << help.substr(lineStart, end - lineStart);
    lineStart = end + 1;
  }
  for (std::size_t at = help.find("--"); at != std::string::npos; at = help.find("--", at + 2)) {
    std::size_t end = at + 2;
    while (end < help.size() &&
           (std::islower(static_cast<unsigned char>(help[end])) || help[end] == '-')) {
      ++end;
    }
    if (end == at + 2) continue;  // "--" alone, as in 'begins with "--"'
    const std::string option = help.substr(at, end - at);
    EXPECT_EQ(ParseCommandLine({option}).error.rfind("unknown option", 0), std::string::npos)
        << option;
  }
}

}  // namespace
}  // namespace tarnwick
