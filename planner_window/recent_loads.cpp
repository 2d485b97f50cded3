#include "planner_window/recent_loads.h"

#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace tarnwick::recent_loads {
namespace {

const QString kKey = QStringLiteral("loadPlanner/recentLoads");

// One settings file for the program, whatever the application object is called.
QSettings Store() {
  return QSettings(QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
}

void Write(const QStringList& list) {
  QSettings store = Store();
  store.setValue(kKey, list);
}

}  // namespace

QStringList List() {
  return Store().value(kKey).toStringList();
}

void Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList list = List();
  list.removeAll(absolute);
  list.prepend(absolute);
  while (list.size() > kMaxRecentLoads) list.removeLast();
  Write(list);
}

void Remove(const QString& path) {
  QStringList list = List();
  list.removeAll(QFileInfo(path).absoluteFilePath());
  Write(list);
}

void FillMenu(QMenu& menu, const std::function<void(const QString& path)>& open) {
  menu.clear();
  const QStringList paths = List();
  for (const QString& path : paths) {
    menu.addAction(QFileInfo(path).fileName(), &menu, [open, path] { open(path); })
        ->setToolTip(path);
  }
  if (paths.isEmpty()) menu.addAction(QStringLiteral("No recent loads"))->setEnabled(false);
}

}  // namespace tarnwick::recent_loads
