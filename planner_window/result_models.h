#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "planner_window/load_answer.h"

namespace tarnwick {

// What the load's answer says about each group in exit order: delay, exit time, fall time and
// where it opens, in the load's units. Read only.
class GroupResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Name, Delay, ExitTime, FallTime, Opening, Downrange, Crossrange, ColumnCount };
  using QAbstractTableModel::QAbstractTableModel;

  void SetAnswer(std::shared_ptr<const LoadAnswer> answer);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const LoadAnswer> answer_;
};

// Every pair of groups with its three distances and the least of them, green where it keeps
// the target separation and red where it falls short.
class PairResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    First,
    Second,
    WhenFirstOpens,
    BetweenDeploymentPoints,
    WhenSecondOpens,
    Separation,
    ColumnCount
  };
  using QAbstractTableModel::QAbstractTableModel;

  void SetAnswer(std::shared_ptr<const LoadAnswer> answer);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  std::shared_ptr<const LoadAnswer> answer_;
};

// The colours of a pair that meets the target and of one that does not.
QColor PairColour(bool meetsTarget);

}  // namespace tarnwick
