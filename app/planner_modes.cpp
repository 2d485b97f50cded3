#include "app/planner_modes.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "app/exit_status.h"
#include "app/go_corrections.h"
#include "app/main_window_font.h"
#include "entry/input_table.h"
#include "entry/scenario_setup.h"
#include "planner/picture_file.h"
#include "planner/plot_picture.h"
#include "planner/recommendation.h"
#include "planner/separation_chart.h"
#include "planner/sweep.h"
#include "planner/sweep_csv.h"
#include "sim/report.h"

namespace tarnwick {
namespace {

constexpr std::string_view kInputWarning = kInputWarningText;

int Refuse(std::ostream& err, const std::string& message) {
  err << "tarnwick: " << message << '\n';
  return exit_status::kUnusable;
}

// Every swept value goes through exactly what --report does with the same option typed in.
PrepareForValue PrepareLike(const CommandLine& line, Box field) {
  return [&line, field](const std::string& valueText) {
    ScenarioOptions options = line.options;
    TextOption(options, field) = valueText;
    return PrepareScenario(line.scenarioArgument, options);
  };
}

// Go's warning, once per run that needed it, saying which value it was, and each input that
// did not run as given; an input changed alike in many runs is named once.
void WarnPerValue(std::ostream& err, const SweepRange& range, const std::vector<SweepRow>& rows) {
  std::set<std::string> told;
  for (const SweepRow& row : rows) {
    if (row.run.warnings > 0) {
      err << kInputWarning << " (run with " << FieldName(range.field) << ' '
          << range.Text(row.index) << ")\n";
    }
    for (const InputCorrection& correction : row.run.corrections) {
      if (const std::string line = CorrectionLine(correction); told.insert(line).second) {
        err << line << '\n';
      }
    }
  }
}

}  // namespace

int RunSweepMode(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const ParsedSweepRange parsed = ParseSweepRange(line.sweep);
  if (!parsed.range) return Refuse(err, parsed.error);
  const SweepRange& range = *parsed.range;
  std::optional<double> target;
  if (!line.recommendDelay.empty()) {
    const ParsedFeet feet = ParseTargetFeet(line.recommendDelay);
    if (!feet.feet) return Refuse(err, feet.error);
    target = feet.feet;
  }
  // Refused before the work, not after a sweep that may take a minute.
  if (!line.chartFile.empty()) {
    if (const std::string problem = PictureFileProblem(line.chartFile); !problem.empty()) {
      return Refuse(err, "--chart: " + problem);
    }
  }

  const std::vector<SweepRow> rows = RunSweep(range, PrepareLike(line, range.field));
  if (!line.chartFile.empty()) {
    std::string error;
    if (!WriteSeparationChart(line.chartFile, ChartOfSweep(range, rows, target), error)) {
      return Refuse(err, "--chart: " + error);
    }
  }
  WarnPerValue(err, range, rows);
  WriteSweepCsv(out, range, rows);
  return exit_status::kSuccess;
}

int RunRecommendDelayMode(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const ParsedFeet feet = ParseTargetFeet(line.recommendDelay);
  if (!feet.feet) return Refuse(err, feet.error);
  const SweepRange grid = ExitDelayGrid();
  const std::vector<SweepRow> rows = RunSweep(grid, PrepareLike(line, grid.field));
  // Only the other inputs can need correcting here, and they are the same for every delay.
  TellCorrections(err, rows.front().run);
  const DelayRecommendation recommendation = RecommendExitDelay(rows, *feet.feet);
  WriteRecommendation(out, recommendation, rows);
  return recommendation.recommended ? exit_status::kSuccess : exit_status::kNoDelayReachesTarget;
}

int RunReportWithPlot(const CommandLine& line, std::ostream& out, std::ostream& err) {
  if (const std::string problem = PictureFileProblem(line.plotFile); !problem.empty()) {
    return Refuse(err, "--plot: " + problem);
  }
  Module1 module;
  const PreparedScenario prepared = PrepareScenario(line.scenarioArgument, line.options);
  module.scenario = prepared.scenario;
  // Text is measured and drawn with Qt, which needs the application object main() makes for
  // the picture-writing modes.
  if (qGuiApp == nullptr) return Refuse(err, "--plot: drawing needs the graphical application");
  const QFont font = MainWindowCanvasFont(QGuiApplication::font());
  Canvas plot;
  const RunOutcome outcome = RunIntoMainWindowPlot(module, plot, font);
  std::string error;
  if (!WriteCanvasPicture(line.plotFile, plot, QGuiApplication::palette(), font, error)) {
    return Refuse(err, "--plot: " + error);
  }
  // Only once the picture is there, so a failure is the one line on standard error.
  TellCorrections(err, prepared);
  for (const std::string& text : ReportLines(outcome.result)) out << text << '\n';
  return exit_status::kSuccess;
}

}  // namespace tarnwick
