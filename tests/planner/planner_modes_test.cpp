// The planner's command-line modes end to end, as a user or a script sees them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"

namespace tarnwick {
namespace {

struct Output {
  int status = -1;
  std::string out, err;
};

Output RunTarnwick(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.commandLine.has_value()) << parsed.error;
  if (!parsed.commandLine) return {};
  std::ostringstream out, err;
  Output result;
  result.status = RunHeadlessMode(*parsed.commandLine, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

// The numbers of a report in the order of the CSV columns after the value.
std::vector<double> ReportNumbers(const std::string& report) {
  std::vector<double> numbers;
  for (std::size_t i = 0; i < report.size(); ++i) {
    const char c = report[i];
    const bool starts = (c == '-' && i + 1 < report.size() && std::isdigit(report[i + 1])) ||
                        (std::isdigit(c) && (i == 0 || report[i - 1] == ' '));
    if (!starts) continue;
    std::size_t used = 0;
    numbers.push_back(std::stod(report.substr(i), &used));
    i += used;
  }
  // " Jumper 1 downrange ..." puts the jumper's number first; drop those.
  return {numbers[1], numbers[2], numbers[4], numbers[5], numbers[6], numbers[7], numbers[8]};
}

TEST(SweepMode, EachRowAgreesWithTheReportOfItsValue) {
  struct Case {
    std::vector<std::string> sweep;
    std::string value;
    std::vector<std::string> report;
  };
  const std::vector<Case> cases = {
      {{"--sweep", "exit-delay=0:10:2.5"}, "7.5", {"--exit-delay", "7.5"}},
      {{"--sweep=ias=60:120:30", "--first", "fast"}, "90.0", {"--ias", "90", "--first", "fast"}},
      {{"--sweep", "upper-wind=0:40:10", "--upper-tailwind"},
       "30.0",
       {"--upper-wind", "30", "--upper-tailwind"}},
      {{"6", "--sweep", "lower-wind=5:25:5"}, "15.0", {"6", "--lower-wind", "15"}},
      {{"--sweep", "wind-change-altitude=3000:9000:3000", "--second", "slow"},
       "6000.0",
       {"--wind-change-altitude", "6000", "--second", "slow"}},
  };
  for (const Case& c : cases) {
    const Output sweep = RunTarnwick(c.sweep);
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    EXPECT_EQ(sweep.err, "");
    std::vector<std::string> report = {"--report"};
    report.insert(report.end(), c.report.begin(), c.report.end());
    const std::vector<double> expected = ReportNumbers(RunTarnwick(report).out);
    bool found = false;
    for (const std::string& line : Split(sweep.out, '\n')) {
      const std::vector<std::string> cells = Split(line, ',');
      ASSERT_EQ(cells.size(), 8u) << line;
      if (cells[0] != c.value) continue;
      found = true;
      for (std::size_t i = 0; i < expected.size(); ++i) {
        // The report rounds the same numbers to whole feet and seconds.
        EXPECT_NEAR(std::stod(cells[i + 1]), expected[i], 0.55) << line << " column " << i + 1;
        EXPECT_EQ(cells[i + 1].find('.'), cells[i + 1].size() - 2) << "one decimal: " << line;
      }
    }
    EXPECT_TRUE(found) << c.value << " in\n" << sweep.out;
  }
}

TEST(SweepMode, NamesEachValueGosLimitsCorrected) {
  const Output r = RunTarnwick({"--sweep", "exit-delay=28:32:2"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "Please check your numerical inputs (run with exit-delay 32)\n");
  const auto lines = Split(r.out, '\n');
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].substr(lines[3].find(',')), lines[2].substr(lines[2].find(',')));
}

TEST(RecommendDelayMode, FirstLineForScriptsAndStatus) {
  const Output r = RunTarnwick({"--recommend-delay", "1000"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Recommended exit delay: 1.4 s");
  EXPECT_EQ(r.err, "");

  const Output never = RunTarnwick({"--recommend-delay", "20000"});
  EXPECT_EQ(never.status, 1);
  EXPECT_EQ(never.out.rfind("No exit delay up to 30 s", 0), 0u) << never.out;

  // Corrections of the other inputs are warned about once, as --report does.
  const Output limited = RunTarnwick({"--recommend-delay", "1000", "--ias", "250"});
  EXPECT_EQ(limited.err, "Please check your numerical inputs\n");
}

TEST(PlannerModes, BadInputIsOneLineOnStandardErrorAndStatus2) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string missingDir = dir.filePath("no/such/dir/").toStdString();
  const std::vector<std::vector<std::string>> cases = {
      {"--sweep", "exit-delay=30:0:1"},
      {"--sweep", "exit-delay=0:30:0"},
      {"--sweep", "exit-delay=0:30:-0.5"},
      {"--sweep", "exit-delay=0:200000:1"},
      {"--sweep", "altitude=0:30:1"},
      {"--sweep", "exit-delay=0:thirty:1"},
      {"--sweep", "exit-delay=0:30:1", "--recommend-delay", "lots"},
      {"--recommend-delay", "-1000"},
      {"--recommend-delay", "1000 ft"},
      {"--sweep", "exit-delay=0:30:1", "--chart", missingDir + "chart.png"},
      {"--sweep", "exit-delay=0:30:1", "--chart", dir.filePath("chart.jpg").toStdString()},
      {"--sweep", "exit-delay=0:30:1", "--chart", dir.filePath("chart").toStdString()},
      {"--report", "--plot", missingDir + "plot.svg"},
      {"--report", "--plot", dir.filePath("plot.gif").toStdString()},
      {"--report", "--plot", dir.path().toStdString()},
  };
  for (const auto& args : cases) {
    const Output r = RunTarnwick(args);
    std::string joined;
    for (const std::string& a : args) joined += a + ' ';
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_EQ(r.out, "") << joined;
    EXPECT_EQ(r.err.rfind("tarnwick: ", 0), 0u) << joined << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined << r.err;
  }
  // Nothing half-written is left behind: not the pictures, not a temporary file.
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty())
      << QDir(dir.path())
             .entryList(QDir::NoDotAndDotDot | QDir::AllEntries)
             .join(' ')
             .toStdString();
}

TEST(PlannerModes, HelpExplainsTheOptionsAndTheThreeSeparations) {
  const std::string help = RunTarnwick({"--help"}).out;
  for (const char* piece :
       {"--sweep FIELD=FROM:TO:STEP", "--recommend-delay FEET", "--chart FILE.png|FILE.svg",
        "--plot FILE.png|FILE.svg", "When first jumper pulls", "Between deployment points",
        "When last jumper pulls", "every longer delay"}) {
    EXPECT_NE(help.find(piece), std::string::npos) << piece;
  }
}

}  // namespace
}  // namespace tarnwick
