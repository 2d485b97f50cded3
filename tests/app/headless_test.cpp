#include "app/headless.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <vector>

#include "output/descriptor_stream.h"
#include "sim/report.h"
#include "sim/simulation.h"
#include "tests/app/run_headless.h"

namespace tarnwick {
namespace {

using test::Output;
using test::RunTarnwick;

int CountOf(const std::string& text, const std::string& piece) {
  int n = 0;
  for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

TEST(HeadlessReport, TheDesignScenarioWithItsHeadwind) {
  // The window's design values: 80 kt, 20 kt upper headwind, calm below 6000 ft, 5 s delay,
  // a slow group out first, then a fast one. The numbers are the core's (its tests check
  // them); here the report must be that run's, line by line.
  Module1 design;
  design.scenario.ias = 80;
  design.scenario.upperWind = 20;
  design.scenario.upperWindSign = 1;
  design.scenario.lowerWind = 0;
  design.scenario.lowerWindSign = 1;
  design.scenario.windChangeAltitude = 6000;
  design.scenario.exitDelay = 5;
  design.scenario.firstSlow = kTrue;
  design.scenario.secondSlow = 0;
  std::string expected;
  for (const std::string& line :
       ReportLines(RunSimulation(design, nullptr, nullptr, nullptr).result))
    expected += line + '\n';
  const Output r = RunTarnwick({"--report"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out, expected);
  EXPECT_EQ(CountOf(r.out, " Jumper "), 2);
  EXPECT_NE(r.out.find("\n Separations (horizontal):\n"), std::string::npos);
}

TEST(HeadlessReport, TogetherAndAlikeGivesZeroSeparations) {
  for (const char* faller : {"slow", "fast"}) {
    const Output r = RunTarnwick({"--report", "--upper-wind", "0", "--exit-delay", "0", "--first",
                                  faller, "--second", faller});
    const bool slow = std::string(faller) == "slow";
    const std::string jumper =
        slow ? "downrange 1215ft  fall time 65 sec." : "downrange 1790ft  fall time 50 sec.";
    EXPECT_NE(r.out.find(" Jumper 1 " + jumper), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(" Jumper 2 " + jumper), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  When first jumper pulls: 0ft\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  Between deployment points: 0ft\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  When last jumper pulls: 0ft\n"), std::string::npos) << r.out;
  }
}

TEST(HeadlessReport, PresetThenOptionsThenGoLimits) {
  // Preset 4 (calm, leaving together, fast then slow) equals the same scenario typed in.
  const Output preset = RunTarnwick({"--report", "4"});
  const Output typed = RunTarnwick({"--report", "--upper-wind", "0", "--lower-wind", "0",
                                    "--exit-delay", "0", "--first", "fast", "--second", "slow"});
  EXPECT_EQ(preset.out, typed.out);
}

TEST(HeadlessReport, WarnsOnStandardErrorOncePerCorrection) {
  const Output r = RunTarnwick({"--report", "--ias", "250", "--upper-wind", "-150", "--lower-wind",
                                "-60", "--exit-delay", "45"});
  EXPECT_EQ(r.status, 0);
  // Airspeed once, the upper wind twice (its sign, then above 100), the delay once; the lower
  // wind is corrected silently.
  EXPECT_EQ(CountOf(r.err, "Please check your numerical inputs\n"), 4) << r.err;
  const Output same = RunTarnwick({"--report", "--ias", "200", "--upper-wind", "100",
                                   "--lower-wind", "50", "--exit-delay", "30"});
  EXPECT_EQ(r.out, same.out);
  EXPECT_EQ(same.err, "");
}

// Go's corrections stay (they are the program's rule), but standard error says which input
// was changed from what to what, one line each, so no one takes the 200-knot results for those
// of 500 knots. The limits are the data entry window's: airspeed 0 to 200, upper wind 0 to 100
// and at most the airspeed + 35, lower wind 0 to 50, wind change altitude 0 to 13000, delay
// 0 to 30.
TEST(HeadlessReport, NamesEveryInputGosLimitsChanged) {
  const Output r = RunTarnwick({"--report", "--ias", "500"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "Please check your numerical inputs\n"
            "tarnwick: --ias 500 was taken as 200 (its box takes 0 to 200)\n");
  EXPECT_EQ(r.out, RunTarnwick({"--report", "--ias", "200"}).out);

  const Output all = RunTarnwick({"--report", "--ias", "50", "--upper-wind", "-90", "--lower-wind",
                                  "-60", "--exit-delay", "45", "--wind-change-altitude", "20000"});
  EXPECT_EQ(all.err,
            "Please check your numerical inputs\n"  // the upper wind's sign
            "Please check your numerical inputs\n"  // the upper wind above 50 + 35
            "Please check your numerical inputs\n"  // the delay
            "tarnwick: --upper-wind -90 was taken as 85 (its box takes 0 to 100, at most the "
            "airspeed + 35)\n"
            "tarnwick: --lower-wind -60 was taken as 50 (its box takes 0 to 50)\n"
            "tarnwick: --wind-change-altitude 20000 was taken as 13000 (its box takes 0 to "
            "13000)\n"
            "tarnwick: --exit-delay 45 was taken as 30 (its box takes 0 to 30)\n");

  // Preset 1's upper wind of 40 kt is more than an airspeed of 0 + 35 allows.
  EXPECT_EQ(RunTarnwick({"--report", "1", "--ias", "0"}).err,
            "Please check your numerical inputs\n"
            "tarnwick: the preset's --upper-wind 40 was taken as 35 (its box takes 0 to 100, at "
            "most the airspeed + 35)\n");
  // What the box reads is what runs: digits beyond a single's precision, a unit after the
  // number or an emptied box change nothing worth a line.
  EXPECT_EQ(RunTarnwick({"--report", "--ias", "80.123456789", "--upper-wind", "20 knots",
                         "--lower-wind", ""})
                .err,
            "");
  // The text as typed is echoed escaped, on its one line.
  EXPECT_EQ(RunTarnwick({"--report", "--exit-delay", "99\x1b[2J"}).err,
            "Please check your numerical inputs\n"
            "tarnwick: --exit-delay 99\\x1b[2J was taken as 30 (its box takes 0 to 30)\n");
}

TEST(HeadlessReport, OutOfRangeTextsNeverReachTheRun) {
  const Output r =
      RunTarnwick({"--report", "--ias", "1e39", "--upper-wind", "-1e39", "--lower-wind", "1e400",
                   "--exit-delay", "-1e39", "--wind-change-altitude", "1e39"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.find("nan"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find("inf"), std::string::npos) << r.out;
  EXPECT_EQ(CountOf(r.out, "ft"), 5);
}

TEST(HeadlessModes, ResultsThatCannotBeWrittenAreAFailure) {
  // Standard output on a full disk, as /dev/full behaves: every mode says so in one line and
  // ends with status 2 instead of passing a cut-off report or CSV for a complete one.
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  const std::vector<std::vector<std::string>> modes = {{"--help"},
                                                       {"--version"},
                                                       {"--report"},
                                                       {"--sweep", "exit-delay=0:3:1"},
                                                       {"--recommend-delay", "1000"},
                                                       {"--recommend-delay", "20000"}};
  for (const auto& args : modes) {
    DescriptorStreamBuffer buffer(full);
    std::ostream out(&buffer);
    std::ostringstream err;
    const ParsedCommandLine parsed = ParseCommandLine(args);
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(RunHeadlessMode(*parsed.commandLine, out, err), 2) << args[0];
    EXPECT_EQ(err.str(), "tarnwick: cannot write to standard output: No space left on device\n")
        << args[0];
  }
  close(full);
}

TEST(HeadlessModes, HelpAndVersion) {
  EXPECT_EQ(RunTarnwick({"--help"}).status, 0);
  EXPECT_NE(RunTarnwick({"--help"}).out.find("--report"), std::string::npos);
  EXPECT_EQ(RunTarnwick({"--version"}).out.rfind("tarnwick ", 0), 0u);
}

}  // namespace
}  // namespace tarnwick
