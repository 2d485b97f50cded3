#pragma once

// Helpers for driving the windows from a test: find the controls by their names and act in
// the middle of a run, which only lets events through at its yields.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
#include "canvas/canvas_widget.h"
#include "entry/form2.h"
#include "sim/report.h"
#include "sim/simulation.h"

namespace tarnwick::test {

// A program whose warnings and quit requests are counted, never shown or acted on.
struct CountingProgram {
  explicit CountingProgram(const std::string& argument = "", const ScenarioOptions& options = {})
      : program(argument, options) {
    program.DataEntry().inputWarning = [this] { ++warnings; };
    program.quitApplication = [this] { ++quits; };
  }
  Form2& form2() { return program.DataEntry(); }
  Form1& form1() { return program.MainWindow(); }
  template <typename T>
  T* control(const char* name) {
    T* found = form2().findChild<T*>(QLatin1String(name));
    if (found == nullptr) found = form1().findChild<T*>(QLatin1String(name));
    return found;
  }
  // Both windows have a Label1 and a Label2: these are the main window's.
  template <typename T>
  T* mainWindowControl(const char* name) {
    return form1().findChild<T*>(QLatin1String(name));
  }
  // The windows as the user first sees them, then Next: the main window shows the plot.
  void ShowThePlot() {
    program.Show();
    button("btnNext")->click();
  }
  QLineEdit* box(const char* name) { return control<QLineEdit>(name); }
  QPushButton* button(const char* name) { return control<QPushButton>(name); }
  Canvas& plot() { return form1().PlotCanvas(); }
  Canvas& results() { return form2().ResultsCanvas(); }

  Program program;
  int warnings = 0;
  int quits = 0;
};

// Calls `action` once, the first time `condition` holds while events are processed (in a run,
// that is at one of its yields). Polls on a zero timer, so it reacts within a step or two.
inline void WhenTrue(QObject* context, std::function<bool()> condition,
                     std::function<void()> action) {
  auto* timer = new QTimer(context);
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, context, [timer, condition, action] {
    if (!condition()) return;
    timer->stop();
    timer->deleteLater();
    action();
  });
  timer->start();
}

// A run draws four figures a step; the frame is a few hundred.
inline constexpr std::size_t kWellIntoTheRun = 4000;

// Calls `action` at the first yield of the program's run that is well under way.
inline void WhenWellIntoTheRun(CountingProgram& p, std::function<void()> action) {
  WhenTrue(
      &p.form2(), [&p] { return p.plot().Figures().size() > kWellIntoTheRun; }, std::move(action));
}

// How many of `lines` start with `prefix`.
inline std::size_t Count(const std::vector<std::string>& lines, const std::string& prefix) {
  std::size_t n = 0;
  for (const std::string& line : lines) n += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

// The report that the scenario gives, computed without any window, as the results panel
// keeps it: only printed text, since empty lines only move the cursor.
inline std::vector<std::string> ExpectedReport(const Scenario& scenario) {
  Module1 module;
  module.scenario = scenario;
  module.scenario.paused = 0;
  std::vector<std::string> lines =
      ReportLines(RunSimulation(module, nullptr, nullptr, nullptr).result);
  std::erase(lines, std::string());
  return lines;
}

// The report lines the results panel shows, as printed.
inline std::vector<std::string> PrintedLines(const Canvas& results) {
  return results.Texts();
}

}  // namespace tarnwick::test
