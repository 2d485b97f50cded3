#include "app/command_line.h"

#include <gtest/gtest.h>

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

TEST(CommandLine, HelpNamesEveryOption) {
  const std::string help = HelpText();
  for (const char* option :
       {"--report", "--ias", "--upper-wind", "--lower-wind", "--wind-change-altitude",
        "--exit-delay", "--upper-headwind", "--upper-tailwind", "--lower-headwind",
        "--lower-tailwind", "--first", "--second", "--help", "--version", "--load-planner"}) {
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
}

}  // namespace
}  // namespace tarnwick
