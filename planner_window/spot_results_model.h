#pragma once

#include <QColor>

#include "planner_window/result_models.h"

namespace tarnwick {

// How a group's margin back to the landing area reads: back with room to spare, back with less
// than limits::kSmallReachMargin to spare, or short.
enum class MarginShade { Ample, Small, Short };
// `margin` in the display distance unit of `units`, as the report gives it.
MarginShade ShadeOfMargin(double margin, const load::Units& units);
// Green, amber and red, light enough for black text.
QColor MarginColour(MarginShade shade);

// Each group's reach from the spot's green light: its reach radius and its margin, coloured by
// its shade; empty without a spot.
class SpotResultsModel : public ReportTableModel {
  Q_OBJECT

 public:
  enum Column { Name, Reach, Margin, ColumnCount };
  using ReportTableModel::ReportTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  int RowsOf(const load::LoadReport& report) const override;
  int Columns() const override { return ColumnCount; }
};

}  // namespace tarnwick
