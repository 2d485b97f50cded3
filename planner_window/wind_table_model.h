#pragma once

#include <QStringList>

#include "planner_window/load_rows_model.h"

namespace tarnwick {

// The winds aloft from the top down, one layer a row: the layer's base (the last reaches the
// ground), whether it is given as a headwind component or as a speed and the direction it
// blows from, the speed, and the direction. Edits go to the document as undoable steps; a text
// the load refuses stays in its cell with the reason. Layers are added, removed and given
// another way by the load edits.
class WindTableModel : public LoadRowsModel {
  Q_OBJECT

 public:
  enum Column { Above, Kind, Speed, From, ColumnCount };
  // The texts of the Kind column, as its list offers them.
  static const QStringList& KindNames();

  explicit WindTableModel(LoadDocument& document, QObject* parent = nullptr);

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The load edits InsertWindLayer (above the selected layer, -1: none) and RemoveWindLayer.
  // Each returns the reason when the edit or the load refused it, empty when it was made (and
  // rowEdited names the row).
  QString AddLayer(int selected);
  QString RemoveLayer(int row);
};

}  // namespace tarnwick
