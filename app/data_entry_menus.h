#pragma once

#include <QString>
#include <functional>

class QMenuBar;
class QWidget;

namespace tarnwick {

class PlotContextMenu;
class ResultsContextMenu;

// What the data entry window's menus ask the program to do.
struct DataEntryMenuCommands {
  std::function<void()> planWholeLoad;                  // "Plan a Whole Load..."
  std::function<void()> openLoad;                       // "Open Load..."
  std::function<void(const QString& path)> openRecent;  // an entry of "Open Recent"
  std::function<void(QWidget* parent)> showAbout;       // "About"
};

// Fills the data entry window's menu bar: "Plan" (a whole load from this scenario, a load
// file, the recent ones), "Plot" (the plot's and the results panel's context-menu commands,
// the same actions) and "Help" ("Details", as the window's button, and "About").
void FillDataEntryMenus(QMenuBar& bar, DataEntryMenuCommands commands, const PlotContextMenu& plot,
                        const ResultsContextMenu& results);

// The about box's text: the program, its version and what it does.
QString AboutText();
void ShowAboutBox(QWidget* parent);

}  // namespace tarnwick
