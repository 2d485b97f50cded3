#pragma once

#include <QAbstractTableModel>
#include <cstddef>

#include "load/load_edits.h"
#include "planner_window/cell_problems.h"

namespace tarnwick {

class LoadDocument;

// What the load's input tables (its groups, its wind layers) share: rows that follow the load
// in the document, headers that follow its units at once, the texts refused in their cells,
// and the way an edit reaches the document. Row edits are the load edits of load/load_edits.h;
// the tables only propose them.
class LoadRowsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;

 signals:
  // A row edit took effect; `row` is where the row it concerns is now (the new or moved row,
  // the one that took a removed row's place; -1 when none is left), for a view to select.
  void rowEdited(int row);

 protected:
  using RowsOf = std::size_t (*)(const load::Load&);
  LoadRowsModel(LoadDocument& document, int columns, RowsOf rowsOf, QObject* parent);

  // Proposes a row edit as one undoable step named `what`: the reason when the edit or the
  // load refused it, empty when it was made.
  QString ProposeRowEdit(const load::EditOutcome& outcome, const QString& what);
  // Proposes `next`, the load with the text of cell `index` taken, or keeps the text in its
  // cell with `reason` when the text could not be read (`reason` not empty) or the load
  // refused it. True when the load took it.
  bool ProposeCellEdit(const QModelIndex& index, const QString& text, QString reason,
                       const load::Load& next, const QString& what);
  // Proposes the row edit `outcome` that the text of cell `index` asks for (a level's new
  // altitude, which may move its row): taken as ProposeRowEdit takes it, or refused as
  // ProposeCellEdit refuses, the text staying in its cell with the reason. True when taken.
  bool ProposeRowCellEdit(const QModelIndex& index, const QString& text,
                          const load::EditOutcome& outcome, const QString& what);
  // Whether `text` is what cell `index` shows with no refused text in it: no edit then, also
  // where a unit conversion is inexact.
  bool Unchanged(const QModelIndex& index, const QString& text) const;
  // A view's row as the load edits take it: none for -1 (nothing selected).
  static std::optional<std::size_t> RowOrNone(int row);

  LoadDocument& document_;
  CellProblems problems_;

 private:
  void OnLoadChanged();

  RowsOf rowsOf_;
  int columns_;
  int rows_ = 0;
};

}  // namespace tarnwick
