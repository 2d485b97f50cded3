#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <memory>

#include "load/load_report.h"

namespace tarnwick {

// A read-only table over a part of the load's report. A new report with the same number of
// rows changes them in place, so that the selection and the scroll position stay.
class ReportTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetReport(std::shared_ptr<const load::LoadReport> report);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;

 protected:
  virtual int RowsOf(const load::LoadReport& report) const = 0;
  virtual int Columns() const = 0;
  std::shared_ptr<const load::LoadReport> report_;
};

// How a group's margin back to the landing area reads: back with room to spare, back with less
// than limits::kSmallReachMargin to spare, or short.
enum class MarginShade { Ample, Small, Short };
// `margin` in the display distance unit of `units`, as the report gives it.
MarginShade ShadeOfMargin(double margin, const load::Units& units);
// Green, amber and red, light enough for black text.
QColor MarginColour(MarginShade shade);

// What the load's report says about each group in exit order: delay, exit time, fall time and
// where it opens, in the load's units; then, from the spot, its reach radius and its margin at
// the green light, coloured by its shade (empty without a spot).
class GroupResultsModel : public ReportTableModel {
  Q_OBJECT

 public:
  // In the order of the report's group columns, then the spot's margin (its reach in the
  // margin's tooltip: the table must fit beside the inputs).
  enum Column {
    Name,
    Delay,
    ExitTime,
    FallTime,
    Opening,
    Downrange,
    Crossrange,
    Margin,
    ColumnCount
  };
  using ReportTableModel::ReportTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  int RowsOf(const load::LoadReport& report) const override;
  int Columns() const override { return ColumnCount; }

 private:
  QVariant SpotData(const QModelIndex& index, int role) const;
};

// Every pair of groups with its three distances and the least of them, green where it keeps
// the target separation and red where it falls short.
class PairResultsModel : public ReportTableModel {
  Q_OBJECT

 public:
  // In the order of the report's pair columns.
  enum Column {
    First,
    Second,
    WhenFirstOpens,
    BetweenDeploymentPoints,
    WhenSecondOpens,
    Separation,
    ColumnCount
  };
  using ReportTableModel::ReportTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  int RowsOf(const load::LoadReport& report) const override;
  int Columns() const override { return ColumnCount; }
};

// The colours of a pair that meets the target and of one that does not.
QColor PairColour(bool meetsTarget);

// A report column's title with its unit, as a header shows it: "Delay (s)", "Group".
QString ColumnTitle(const load::ReportColumn& column);
// A header's title on two lines, broken at the space nearest its middle, when it is long: so
// that the pairs' six columns fit a narrow window without cutting any title.
QString HeaderLines(const QString& title);

}  // namespace tarnwick
