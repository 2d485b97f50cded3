#include "app/program.h"

#include <QCoreApplication>
#include <QEvent>
#include <utility>

#include "app/data_entry_menus.h"
#include "app/form1.h"
#include "app/load_planner_setup.h"
#include "browser/details_command.h"
#include "canvas/canvas_widget.h"
#include "canvas/twips.h"
#include "entry/form2.h"
#include "entry/scenario_setup.h"
#include "planner/window_menus.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/scenario_load.h"
#include "sim/simulation.h"

namespace tarnwick {
namespace {

// Holds a window's close until `mayClose` allows it: closing the data entry window or the
// main window ends the program, which the planner's unsaved changes may still hold up.
class CloseGuard : public QObject {
 public:
  CloseGuard(QObject* parent, std::function<bool()> mayClose)
      : QObject(parent), mayClose_(std::move(mayClose)) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Close && !mayClose_()) {
      event->ignore();
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<bool()> mayClose_;
};

}  // namespace

Program::Program(const std::string& argument, const ScenarioOptions& options)
    : quitApplication([] { QCoreApplication::quit(); }), showAbout(ShowAboutBox) {
  // The main window loads first; its load makes the data entry window appear, whose own load
  // applies the preset, and only then is the main window itself shown.
  form1_ = std::make_unique<Form1>(module_);
  form2_ = std::make_unique<Form2>(module_.scenario, argument);
  ApplyScenarioOptions(*form2_, options);
  form1_->SetDataEntryWindow(form2_.get());
  // The menus belong to the widgets they attach to and go with them.
  auto* plotMenu =
      new PlotContextMenu(*form1_->CanvasView(), [this] { return form1_->ShowsPlot(); });
  auto* resultsMenu = new ResultsContextMenu(*form2_->ResultsView());
  DataEntryMenuCommands commands;
  commands.planWholeLoad = [this] { PlanWholeLoad(); };
  commands.openLoad = [this] { OpenLoad(); };
  commands.openRecent = [this](const QString& path) { OpenRecentLoad(path); };
  commands.showAbout = [this](QWidget* parent) {
    if (showAbout) showAbout(parent);
  };
  FillDataEntryMenus(*form2_->MenuBar(), std::move(commands), *plotMenu, *resultsMenu);

  QObject::connect(form2_.get(), &Form2::goRequested, form2_.get(), [this] { Go(); });
  QObject::connect(form2_.get(), &Form2::exitRequested, form2_.get(), [this] { Exit(); });
  QObject::connect(form1_.get(), &Form1::exitRequested, form1_.get(), [this] { Exit(); });
  // A close box is answered before the window goes, so that Cancel leaves it on screen.
  auto* guard = new CloseGuard(form2_.get(), [this] { return ending_ || MayEnd(); });
  form1_->installEventFilter(guard);
  form2_->installEventFilter(guard);
}

Program::~Program() {
  // Windows go before the state they refer to; the browser may still be open in tests.
  CloseDetailsBrowser();
  planner_.reset();
  form2_.reset();
  form1_.reset();
}

void Program::Show() {
  // Client areas at their design places on the screen, in twips; the data entry window's menu
  // bar sits above its client area.
  const QPoint form2Client = TwipsPoint(6765, 840) - form2_->ClientArea()->pos();
  form2_->setGeometry(QRect(form2Client, form2_->size()));
  form2_->show();
  form1_->setGeometry(QRect(TwipsPoint(5760, 840), form1_->size()));
  form1_->show();
}

void Program::PreparePlot() {
  // Go before Next would draw in character cells, all of it outside the window; the plot
  // needs the canvas that Next sets up, so Go sets it up first.
  if (!form1_->ShowsPlot()) form1_->btnNext_Click();
  // In front means visible too: a minimised plot window comes back for the run.
  form1_->setWindowState(form1_->windowState() & ~Qt::WindowMinimized);
  form1_->show();
  form1_->raise();
  Canvas& plot = form1_->PlotCanvas();
  plot.Cls();
  plot.AutoRedraw = false;
  plot.Cls();
  form2_->ResetPause();
}

void Program::Go() {
  if (ending_) return;
  if (running_) {
    // This Go runs inside the running run's yield: let that run return first, then start
    // the new one from the outer Go, so runs never nest.
    restartRequested_ = true;
    host_.Supersede();
    return;
  }
  running_ = true;
  do {
    restartRequested_ = false;
    host_.BeginRun();
    PreparePlot();
    ++runsStarted_;
    const RunOutcome outcome =
        RunSimulation(module_, &form1_->PlotCanvas(), &form2_->ResultsCanvas(), &host_);
    if (outcome.end == RunEnd::Completed) ++runsCompleted_;
  } while (restartRequested_ && !ending_);
  running_ = false;
}

bool Program::MayEnd() {
  if (!endAgreed_) endAgreed_ = !planner_ || planner_->MaybeSave();
  return endAgreed_;
}

void Program::Exit() {
  if (ending_) return;
  // The planner's edits are offered for saving first; Cancel (or a save that failed) keeps
  // the program running as it was.
  if (!MayEnd()) return;
  ending_ = true;
  host_.End();
  if (planner_) planner_->hide();
  form1_->hide();
  form2_->hide();
  CloseDetailsBrowser();
  if (quitApplication) quitApplication();
}

LoadPlannerWindow& Program::Planner() {
  if (!planner_) planner_ = MakeLoadPlanner();
  return *planner_;
}

void Program::ShowPlanner() {
  LoadPlannerWindow& planner = Planner();
  planner.setWindowState(planner.windowState() & ~Qt::WindowMinimized);
  planner.show();
  planner.raise();
  planner.activateWindow();
}

void Program::PlanWholeLoad() {
  if (ending_) return;
  LoadPlannerWindow& planner = Planner();
  if (!planner.MaybeSave()) return;
  // What Go would run now, so that the planner's first answer is the report's.
  const Scenario scenario = ScenarioAsGoWouldRunIt(*form2_, module_.scenario);
  if (planner.StartWith(LoadFromScenario(scenario))) ShowPlanner();
}

void Program::OpenLoad() {
  if (ending_) return;
  if (Planner().OpenWithDialog()) ShowPlanner();
}

void Program::OpenRecentLoad(const QString& path) {
  if (ending_) return;
  LoadPlannerWindow& planner = Planner();
  if (planner.MaybeSave() && planner.OpenFile(path)) ShowPlanner();
}

}  // namespace tarnwick
