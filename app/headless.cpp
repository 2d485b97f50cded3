#include "app/headless.h"

#include <ostream>

#include "app/exit_status.h"
#include "app/go_corrections.h"
#include "app/load_mode.h"
#include "app/planner_modes.h"
#include "entry/scenario_setup.h"
#include "output/descriptor_stream.h"
#include "sim/report.h"
#include "sim/simulation.h"

namespace tarnwick {
namespace {

int RunReport(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (!line.plotFile.empty()) return RunReportWithPlot(line, out, err);
  Module1 module;
  const PreparedScenario prepared = PrepareScenario(line.scenarioArgument, line.options);
  module.scenario = prepared.scenario;
  TellCorrections(err, prepared);
  const RunOutcome outcome = RunSimulation(module, nullptr, nullptr, nullptr);
  for (const std::string& text : ReportLines(outcome.result)) out << text << '\n';
  return exit_status::kSuccess;
}

int RunMode(const CommandLine& line, std::ostream& out, std::ostream& err) {
  switch (line.mode) {
    case Mode::Help:
      out << HelpText();
      return exit_status::kSuccess;
    case Mode::Version:
      out << "tarnwick " << TARNWICK_VERSION << '\n';
      return exit_status::kSuccess;
    case Mode::Report:
      return RunReport(line, out, err);
    case Mode::Sweep:
      return RunSweepMode(line, out, err);
    case Mode::RecommendDelay:
      return RunRecommendDelayMode(line, out, err);
    case Mode::Load:
      return RunLoadMode(line.load, out, err);
    case Mode::Window:
    case Mode::LoadPlanner:
      break;
  }
  err << "tarnwick: this mode needs the windows\n";
  return exit_status::kUnusable;
}

}  // namespace

int RunHeadlessMode(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const int status = RunMode(line, out, err);
  // Results that did not reach their reader are no results: a script must not take a cut-off
  // CSV or report for a complete one.
  if (const std::string problem = OutputStreamProblem(out); !problem.empty()) {
    err << "tarnwick: cannot write to standard output: " << problem << '\n';
    return exit_status::kUnusable;
  }
  return status;
}

}  // namespace tarnwick
