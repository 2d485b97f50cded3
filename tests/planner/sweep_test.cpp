#include "planner/sweep.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "entry/scenario_setup.h"
#include "planner/sweep_csv.h"
#include "sim/report.h"

namespace tarnwick {
namespace {

PrepareForValue Prepare(std::optional<std::string> ScenarioOptions::*field,
                        ScenarioOptions base = {}, std::string argument = {}) {
  return [=](const std::string& value) {
    ScenarioOptions options = base;
    options.*field = value;
    PreparedRun run;
    run.scenario = PrepareScenario(argument, options, [&run] { ++run.warnings; });
    return run;
  };
}

SweepRange Range(const std::string& text) {
  const auto parsed = ParseSweepRange(text);
  EXPECT_TRUE(parsed.range) << parsed.error;
  return parsed.range.value_or(SweepRange{});
}

std::string Csv(const SweepRange& range, const std::vector<SweepRow>& rows) {
  std::ostringstream out;
  WriteSweepCsv(out, range, rows);
  return out.str();
}

// The same value run on its own, as --report runs it.
RunResult SingleRun(std::optional<std::string> ScenarioOptions::*field, const std::string& value,
                    ScenarioOptions options = {}, std::string argument = {}) {
  options.*field = value;
  Module1 module;
  module.scenario = PrepareScenario(argument, options, [] {});
  return RunSimulation(module, nullptr, nullptr, nullptr).result;
}

TEST(Sweep, EveryRowIsTheSingleRunOfItsValue) {
  ScenarioOptions fastThenSlow;
  fastThenSlow.firstIndex = 0;
  fastThenSlow.secondIndex = 1;
  struct Case {
    const char* range;
    std::optional<std::string> ScenarioOptions::*field;
    ScenarioOptions options;
    const char* argument;
  };
  const Case cases[] = {
      {"exit-delay=0:12:3.7", &ScenarioOptions::exitDelay, {}, ""},
      {"ias=40:200:40", &ScenarioOptions::ias, fastThenSlow, ""},
      {"upper-wind=-20:60:20", &ScenarioOptions::upperWind, {}, "5"},
      {"lower-wind=0:60:25", &ScenarioOptions::lowerWind, {}, "1"},
      {"wind-change-altitude=2000:14000:4000", &ScenarioOptions::windChangeAltitude, {}, "8"},
  };
  for (const Case& c : cases) {
    const SweepRange range = Range(c.range);
    const auto rows = RunSweep(range, Prepare(c.field, c.options, c.argument));
    ASSERT_EQ(rows.size(), range.Count());
    for (const SweepRow& row : rows) {
      const RunResult single = SingleRun(c.field, range.Text(row.index), c.options, c.argument);
      SCOPED_TRACE(std::string(c.range) + " at " + range.Text(row.index));
      EXPECT_EQ(ReportLines(row.result), ReportLines(single));
      // To the tenth the sweep prints: every number, not only what the report rounds.
      EXPECT_EQ(OneDecimal(row.result.pullDownrange[1]), OneDecimal(single.pullDownrange[1]));
      EXPECT_EQ(OneDecimal(row.result.pullTime[2]), OneDecimal(single.pullTime[2]));
      EXPECT_EQ(OneDecimal(row.result.firstPullSeparation), OneDecimal(single.firstPullSeparation));
      EXPECT_EQ(OneDecimal(row.result.LastPullSeparation()),
                OneDecimal(single.LastPullSeparation()));
    }
  }
}

TEST(Sweep, ValuesBeyondGosLimitsRunLimitedAndAreCounted) {
  const SweepRange range = Range("exit-delay=29:32:1");
  const auto rows = RunSweep(range, Prepare(&ScenarioOptions::exitDelay));
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].run.warnings, 0);
  EXPECT_EQ(rows[1].run.warnings, 0);  // 30 is the limit itself
  EXPECT_EQ(rows[2].run.warnings, 1);
  EXPECT_EQ(rows[3].run.scenario.exitDelay, 30.0f);
  EXPECT_EQ(ReportLines(rows[3].result), ReportLines(rows[1].result));
}

TEST(Sweep, ParallelAndSerialGiveTheSameOutputInValueOrder) {
  // Runs of very different lengths, so the threads finish out of order.
  ScenarioOptions options;
  options.firstIndex = 1;
  options.secondIndex = 0;
  const SweepRange range = Range("exit-delay=0:30:0.5");
  const auto prepare = Prepare(&ScenarioOptions::exitDelay, options);
  const std::string serial = Csv(range, RunSweep(range, prepare, 1));
  EXPECT_EQ(Csv(range, RunSweep(range, prepare, 2)), serial);
  EXPECT_EQ(Csv(range, RunSweep(range, prepare, 7)), serial);
  EXPECT_EQ(Csv(range, RunSweep(range, prepare, 200)), serial);  // more threads than values
  std::istringstream lines(serial);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line, kSweepCsvHeader);
  for (std::size_t i = 0; std::getline(lines, line); ++i) {
    EXPECT_EQ(line.substr(0, line.find(',')), range.Label(i));
  }
}

TEST(SweepCsv, OneDecimalRoundsHalvesAwayAndHasNoNegativeZero) {
  EXPECT_EQ(OneDecimal(1566.6f), "1566.6");
  EXPECT_EQ(OneDecimal(0.25), "0.3");
  EXPECT_EQ(OneDecimal(-0.25), "-0.3");
  EXPECT_EQ(OneDecimal(2.75), "2.8");
  EXPECT_EQ(OneDecimal(-0.04), "0.0");
  EXPECT_EQ(OneDecimal(-572.5f), "-572.5");
  EXPECT_EQ(FeetText(1000), "1000 ft");
  EXPECT_EQ(FeetText(1500.25), "1500.3 ft");
}

TEST(SweepCsv, TheDesignScenarioRowShowsTheRunsNumbers) {
  // The window's design values (5 s delay) as one row: each number of the run to one decimal.
  const SweepRange range = Range("exit-delay=5:5:1");
  const std::string csv = Csv(range, RunSweep(range, Prepare(&ScenarioOptions::exitDelay)));
  const RunResult r = SingleRun(&ScenarioOptions::exitDelay, "5");
  const std::string row = "5.0," + OneDecimal(r.pullDownrange[1]) + ',' +
                          OneDecimal(r.pullTime[1]) + ',' + OneDecimal(r.pullDownrange[2]) + ',' +
                          OneDecimal(r.pullTime[2]) + ',' + OneDecimal(r.firstPullSeparation) +
                          ',' + OneDecimal(r.DeploymentSeparation()) + ',' +
                          OneDecimal(r.LastPullSeparation()) + '\n';
  EXPECT_EQ(csv.substr(csv.find('\n') + 1), row);
}

}  // namespace
}  // namespace tarnwick
