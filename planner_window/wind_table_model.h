#pragma once

#include <QStringList>

#include "planner_window/load_rows_model.h"

namespace tarnwick {

// The load's winds from the top down, as the load gives them: one layer a row (its base, the
// last reaching the ground) or one level a row (its altitude); then whether the wind is given
// as a headwind component or as a speed and the direction it blows from (degrees true), the
// speed, and the direction. Edits go to the document as undoable steps; a text the load refuses
// stays in its cell with the reason. Rows are added, removed, moved and given another way, and
// the winds switched between layers and levels, by the load edits.
class WindTableModel : public LoadRowsModel {
  Q_OBJECT

 public:
  // Above: a layer's base, or a level's altitude.
  enum Column { Above, Kind, Speed, From, ColumnCount };
  // The texts of the Kind column, as its list offers them.
  static const QStringList& KindNames();

  explicit WindTableModel(LoadDocument& document, QObject* parent = nullptr);

  // Whether the rows are levels (else layers).
  bool Levels() const;

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  // The load edits InsertWindLayer (above the selected layer, -1: none), RemoveWindLayer,
  // InsertWindLevel (below the selected level), RemoveWindLevel and GiveWindsAs. Each returns
  // the reason when the edit or the load refused it, empty when it was made (and rowEdited
  // names the row).
  QString AddLayer(int selected);
  QString RemoveLayer(int row);
  QString AddLevel(int selected);
  QString RemoveLevel(int row);
  QString GiveWindsAs(load::WindsGiven given);
};

}  // namespace tarnwick
