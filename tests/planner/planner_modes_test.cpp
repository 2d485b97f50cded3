// The planner's command-line modes end to end, as a user or a script sees them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "tests/app/run_headless.h"

namespace tarnwick {
namespace {

using test::Output;
using test::RunTarnwick;

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  return parts;
}

TEST(SweepMode, NamesEachValueGosLimitsCorrected) {
  const Output r = RunTarnwick({"--sweep", "exit-delay=28:32:2"});
  EXPECT_EQ(r.status, 0);
  // The delay box's limit is 30 s (the data entry window's).
  EXPECT_EQ(r.err,
            "Please check your numerical inputs (run with exit-delay 32)\n"
            "tarnwick: --exit-delay 32 was taken as 30 (its box takes 0 to 30)\n");
  const auto lines = Split(r.out, '\n');
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3].substr(lines[3].find(',')), lines[2].substr(lines[2].find(',')));
}

// An input changed alike in every run is named once; the swept one at each value it changes.
TEST(SweepMode, NamesEachChangedInputOnce) {
  const Output r = RunTarnwick({"--sweep", "ias=190:210:10", "--lower-wind", "70"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err,
            "tarnwick: --lower-wind 70 was taken as 50 (its box takes 0 to 50)\n"
            "Please check your numerical inputs (run with ias 210)\n"
            "tarnwick: --ias 210 was taken as 200 (its box takes 0 to 200)\n");
}

TEST(RecommendDelayMode, FirstLineForScriptsAndStatus) {
  const Output r = RunTarnwick({"--recommend-delay", "1000"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Recommended exit delay: 1.4 s");
  EXPECT_EQ(r.err, "");

  const Output never = RunTarnwick({"--recommend-delay", "20000"});
  EXPECT_EQ(never.status, 1);
  EXPECT_EQ(never.out.rfind("No exit delay up to 30 s", 0), 0u) << never.out;

  // Corrections of the other inputs are warned about once, as --report does, and named.
  const Output limited = RunTarnwick({"--recommend-delay", "1000", "--ias", "250"});
  EXPECT_EQ(limited.err,
            "Please check your numerical inputs\n"
            "tarnwick: --ias 250 was taken as 200 (its box takes 0 to 200)\n");
}

TEST(PlannerModes, BadInputIsOneLineOnStandardErrorAndStatus2) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string missingDir = dir.filePath("no/such/dir/").toStdString();
  QTemporaryDir other;
  const QString folderInTheWay = other.filePath(QStringLiteral("taken.png"));
  ASSERT_TRUE(QDir().mkdir(folderInTheWay));
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
      // Go's warnings would come with a failure; only the failure is said.
      {"--report", "--ias", "250", "--plot", missingDir + "plot.png"},
      {"--sweep", "exit-delay=29:31:1", "--chart", missingDir + "chart.svg"},
      {"--report", "--plot", folderInTheWay.toStdString()},
      // What the user typed is echoed on one line, its control characters escaped.
      {"--sweep", "exit\n-delay=0:3:1"},
      {"--sweep", "exit-delay=0:3\r\n:1"},
      {"--recommend-delay", "1000\nft"},
      {"--sweep", "exit-delay=0:3:1", "--recommend-delay", "\x1b[2J"},
      {"--sweep", "exit-delay=0:3:1", "--chart", dir.filePath("a\nb.gif").toStdString()},
      {"--report", "--plot", missingDir + "a\nb.png"},
      {"--report", "--plot", dir.filePath("\x1b]0;x\x07.svg/").toStdString()},
  };
  for (const auto& args : cases) {
    const Output r = RunTarnwick(args);
    std::string joined;
    for (const std::string& a : args) joined += a + ' ';
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_EQ(r.out, "") << joined;
    EXPECT_EQ(r.err.rfind("tarnwick: ", 0), 0u) << joined << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined << r.err;
    EXPECT_EQ(r.err.find_first_of("\r\x1b\x07"), std::string::npos) << joined << r.err;
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
