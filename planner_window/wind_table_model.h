#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "planner_window/cell_problems.h"

namespace tarnwick {

class LoadDocument;

// The winds aloft from the top down, one layer a row: the layer's base (the last reaches the
// ground), whether it is given as a headwind component or as a speed and the direction it
// blows from, the speed, and the direction. Edits go to the document as undoable steps; a text
// the load refuses stays in its cell with the reason.
class WindTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Above, Kind, Speed, From, ColumnCount };
  // The texts of the Kind column, as its list offers them.
  static const QStringList& KindNames();

  explicit WindTableModel(LoadDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // A calm layer above `row` (halfway between its neighbours' bases), or the ground layer of
  // a load without winds. Returns the reason when the load refused it.
  QString AddLayer(int row);
  QString RemoveLayer(int row);

 private:
  void OnLoadChanged();

  LoadDocument& document_;
  CellProblems problems_;
  int rows_ = 0;
};

}  // namespace tarnwick
