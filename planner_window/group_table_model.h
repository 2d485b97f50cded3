#pragma once

#include "planner_window/load_rows_model.h"

namespace tarnwick {

// The load's groups in exit order, one row each: name, fall rate, opening altitude, the
// delay after the previous exit (none for the first) and the canopy's airspeed and sink rate.
// A group without a canopy of its own shows the load's, in grey italics; typing a value gives
// it its own (the load's with that value changed), and clearing the cell gives it back the
// load's. Edits go to the document as undoable
// steps; a text the load refuses stays in its cell with the reason and changes nothing.
// Rows are added, removed and moved (by drag and drop too) by the load edits.
class GroupTableModel : public LoadRowsModel {
  Q_OBJECT

 public:
  enum Column { Name, FallRate, Opening, Delay, CanopyAirspeed, SinkRate, ColumnCount };

  explicit GroupTableModel(LoadDocument& document, QObject* parent = nullptr);

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

  // The load edits of the same names (`selected` -1: none). Each returns the reason when the
  // edit or the load refused it, empty when it was made (and rowEdited names the row).
  QString AddGroup(int selected);
  QString RemoveGroup(int row);
  QString MoveGroup(int from, int to);
};

}  // namespace tarnwick
