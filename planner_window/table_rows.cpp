#include "planner_window/table_rows.h"

#include <QTableView>

namespace tarnwick {

int CurrentRow(const QTableView* view) {
  const QModelIndex current = view->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void SelectRow(QTableView* view, int row) {
  if (row < 0 || row >= view->model()->rowCount()) return;
  const QModelIndex current = view->currentIndex();
  view->setCurrentIndex(view->model()->index(row, current.isValid() ? current.column() : 0));
}

}  // namespace tarnwick
