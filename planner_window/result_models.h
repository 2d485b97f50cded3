#pragma once

#include <QAbstractTableModel>
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

// What the load's report says about each group in exit order: delay, exit time, fall time and
// where it opens, in the load's units.
class GroupResultsModel : public ReportTableModel {
  Q_OBJECT

 public:
  // In the order of the report's group columns.
  enum Column { Name, Delay, ExitTime, FallTime, Opening, Downrange, Crossrange, ColumnCount };
  using ReportTableModel::ReportTableModel;

  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 protected:
  int RowsOf(const load::LoadReport& report) const override;
  int Columns() const override { return ColumnCount; }
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
