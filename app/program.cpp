#include "app/program.h"

#include <QCoreApplication>

#include "app/form1.h"
#include "browser/details_command.h"
#include "canvas/canvas_widget.h"
#include "canvas/twips.h"
#include "entry/form2.h"
#include "entry/scenario_setup.h"
#include "planner/window_menus.h"
#include "sim/simulation.h"

namespace tarnwick {

Program::Program(const std::string& argument, const ScenarioOptions& options)
    : quitApplication([] { QCoreApplication::quit(); }) {
  // The main window loads first; its load makes the data entry window appear, whose own load
  // applies the preset, and only then is the main window itself shown.
  form1_ = std::make_unique<Form1>(module_);
  form2_ = std::make_unique<Form2>(module_.scenario, argument);
  ApplyScenarioOptions(*form2_, options);
  form1_->SetDataEntryWindow(form2_.get());
  // The menus belong to the widgets they attach to and go with them.
  new PlotContextMenu(*form1_->CanvasView(), [this] { return form1_->ShowsPlot(); });
  new ResultsContextMenu(*form2_->ResultsView());

  QObject::connect(form2_.get(), &Form2::goRequested, form2_.get(), [this] { Go(); });
  QObject::connect(form2_.get(), &Form2::exitRequested, form2_.get(), [this] { Exit(); });
  QObject::connect(form1_.get(), &Form1::exitRequested, form1_.get(), [this] { Exit(); });
}

Program::~Program() {
  // Windows go before the state they refer to; the browser may still be open in tests.
  CloseDetailsBrowser();
  form2_.reset();
  form1_.reset();
}

void Program::Show() {
  // Client areas at their design places on the screen, in twips.
  form2_->setGeometry(QRect(TwipsPoint(6765, 840), form2_->size()));
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

void Program::Exit() {
  if (ending_) return;
  ending_ = true;
  host_.End();
  form1_->hide();
  form2_->hide();
  CloseDetailsBrowser();
  if (quitApplication) quitApplication();
}

}  // namespace tarnwick
