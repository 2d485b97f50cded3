#pragma once

#include <QAbstractTableModel>

#include "planner_window/cell_problems.h"

namespace tarnwick {

class LoadDocument;

// The load's groups in exit order, one row each: name, fall rate, opening altitude and the
// delay after the previous exit (none for the first). Edits go to the document as undoable
// steps; a text the load refuses stays in its cell with the reason and changes nothing.
// Rows move by drag and drop or by MoveGroup (the window's keyboard commands).
class GroupTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Name, FallRate, Opening, Delay, ColumnCount };

  explicit GroupTableModel(LoadDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  Qt::DropActions supportedDropActions() const override;
  Qt::DropActions supportedDragActions() const override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QModelIndexList& indexes) const override;
  bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                    const QModelIndex& parent) override;

  // Each returns the reason when the load refused the change, empty when it was made.
  QString AddGroup(int after);
  QString RemoveGroup(int row);
  QString MoveGroup(int from, int to);

 private:
  void OnLoadChanged();

  LoadDocument& document_;
  CellProblems problems_;
  int rows_ = 0;
};

}  // namespace tarnwick
