#include "app/load_planner_start.h"

#include <QApplication>

#include "app/load_planner_setup.h"
#include "planner_window/load_planner_window.h"

namespace tarnwick {

int RunLoadPlannerAlone(const std::string& file) {
  const std::unique_ptr<LoadPlannerWindow> planner = MakeLoadPlanner();
  // Closing the window (after the unsaved-changes question) ends the program.
  QObject::connect(planner.get(), &LoadPlannerWindow::closed, planner.get(),
                   [] { QApplication::quit(); });
  planner->show();
  if (!file.empty()) planner->OpenFile(QString::fromLocal8Bit(file.c_str()));
  return QApplication::exec();
}

}  // namespace tarnwick
