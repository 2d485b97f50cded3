#include "app/data_entry_menus.h"

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "browser/details_command.h"
#include "planner/window_menus.h"
#include "planner_window/recent_loads.h"

namespace tarnwick {

QString AboutText() {
  return QStringLiteral(
             "Tarnwick Simulation %1\n\nThe free falls of jumpers who leave the same aircraft "
             "one after the other, and how far apart they are when they open. The load planner "
             "plans a whole load: its groups' exit order and delays.")
      .arg(QStringLiteral(TARNWICK_VERSION));
}

void ShowAboutBox(QWidget* parent) {
  QMessageBox::about(parent, QStringLiteral("About Tarnwick Simulation"), AboutText());
}

void FillDataEntryMenus(QMenuBar& bar, DataEntryMenuCommands commands, const PlotContextMenu& plot,
                        const ResultsContextMenu& results) {
  QWidget* window = bar.parentWidget();

  QMenu* planMenu = bar.addMenu(QStringLiteral("&Plan"));
  planMenu->addAction(QStringLiteral("Plan a &Whole Load..."), QKeySequence(Qt::CTRL | Qt::Key_L),
                      &bar, commands.planWholeLoad);
  planMenu->addAction(QStringLiteral("&Open Load..."), QKeySequence(Qt::CTRL | Qt::Key_O), &bar,
                      commands.openLoad);
  QMenu* recent = planMenu->addMenu(recent_loads::kMenuText);
  QObject::connect(recent, &QMenu::aboutToShow, recent,
                   [recent, open = commands.openRecent] { recent_loads::FillMenu(*recent, open); });

  // The same commands as the context menus, enabled as there.
  QMenu* plotMenu = bar.addMenu(QStringLiteral("P&lot"));
  QAction* save =
      plotMenu->addAction(QStringLiteral("&Save Plot As..."), &bar, [&plot] { plot.SaveAs(); });
  QAction* copy = plotMenu->addAction(QStringLiteral("&Copy Results"), &bar,
                                      [&results] { results.CopyResults(); });
  QObject::connect(plotMenu, &QMenu::aboutToShow, plotMenu, [&plot, &results, save, copy] {
    save->setEnabled(plot.CanSave());
    copy->setEnabled(results.CanCopy());
  });

  QMenu* help = bar.addMenu(QStringLiteral("&Help"));
  help->addAction(QStringLiteral("&Details"), &bar, [] { ShowDetailsBrowser(); });
  help->addAction(QStringLiteral("&About"), &bar,
                  [window, about = commands.showAbout] { about(window); });
}

}  // namespace tarnwick
