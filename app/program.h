#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QWidget;

#include "app/command_line.h"
#include "app/window_run_host.h"
#include "sim/scenario.h"

namespace tarnwick {

class Form1;
class Form2;
class LoadPlannerWindow;
class PlotContextMenu;
class ResultsContextMenu;

// The program with windows: owns the shared state and both windows, and carries out Go and
// Exit, which involve both of them and the run.
class Program {
 public:
  // Loads the main window and the data entry window with the preset of `argument`, then sets
  // `options` in the data entry window as if the user had entered them. Shows nothing yet.
  Program(const std::string& argument, const ScenarioOptions& options);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Shows both windows at their places, the data entry window first.
  void Show();

  // Starts a run with the inputs as Go has limited them. Pressed during a run, it makes the
  // running run stop at its next yield and starts the new one once that has returned, so runs
  // never pile up and no stale report is printed.
  void Go();
  // Ends the program, also in the middle of a run or a pause, once the planner's unsaved
  // changes are saved or discarded (Cancel keeps it running): hides every window, lets the run
  // return at its next yield and asks the event loop to finish. The windows are deleted only
  // with the Program, once no handler of theirs is running any more.
  void Exit();

  // The data entry window's Plan menu: the planner window on this scenario as a load, on a
  // load file asked for, or on a recent one. Each asks first about unsaved changes there.
  void PlanWholeLoad();
  void OpenLoad();
  void OpenRecentLoad(const QString& path);
  // The planner window, made on first use and kept (hidden when closed) for the program's life.
  LoadPlannerWindow& Planner();
  bool HasPlanner() const { return planner_ != nullptr; }

  Module1& Module() { return module_; }
  Form1& MainWindow() { return *form1_; }
  Form2& DataEntry() { return *form2_; }
  bool IsRunning() const { return running_; }
  bool IsEnding() const { return ending_; }
  int RunsStarted() const { return runsStarted_; }
  int RunsCompleted() const { return runsCompleted_; }

  // How the program asks the event loop to finish; tests count calls instead.
  std::function<void()> quitApplication;
  // Help > About; the about box by default, tests count calls instead.
  std::function<void(QWidget* parent)> showAbout;

 private:
  void PreparePlot();
  void ShowPlanner();
  // Whether the program may end: asks about the planner's unsaved changes once, and
  // remembers a yes, so that a close box and the Exit it leads to ask only once.
  bool MayEnd();

  Module1 module_;
  WindowRunHost host_;
  std::unique_ptr<Form1> form1_;
  std::unique_ptr<Form2> form2_;
  std::unique_ptr<LoadPlannerWindow> planner_;
  bool running_ = false;
  bool restartRequested_ = false;
  bool ending_ = false;
  bool endAgreed_ = false;
  int runsStarted_ = 0;
  int runsCompleted_ = 0;
};

}  // namespace tarnwick
