#pragma once

class QTableView;

namespace tarnwick {

// The row of a table's current cell, -1 when there is none.
int CurrentRow(const QTableView* view);

// Makes `row` the table's current row, in the column the user was in; a row the table does
// not have is left alone.
void SelectRow(QTableView* view, int row);

}  // namespace tarnwick
