#include "planner_window/result_models.h"

#include <QColor>
#include <QLocale>
#include <cmath>

#include "planner_window/cell_text.h"

namespace tarnwick {
namespace {

// Results are read at a glance: whole feet or metres, tenths of seconds.
QString Whole(double value) {
  const double rounded = std::round(value);
  return QLocale::c().toString(rounded == 0 ? 0.0 : rounded, 'f', 0);
}
QString Tenths(double value) {
  return QLocale::c().toString(value, 'f', 1);
}

int GroupRows(const LoadAnswer* a) {
  return a ? static_cast<int>(a->flight.groups.size()) : 0;
}
int PairRows(const LoadAnswer* a) {
  return a ? static_cast<int>(a->flight.pairs.size()) : 0;
}

}  // namespace

QColor PairColour(bool meetsTarget) {
  return meetsTarget ? QColor(0xC8, 0xEE, 0xC8) : QColor(0xF6, 0xB8, 0xB8);
}

void GroupResultsModel::SetAnswer(std::shared_ptr<const LoadAnswer> answer) {
  if (GroupRows(answer_.get()) == GroupRows(answer.get())) {
    answer_ = std::move(answer);
    const int n = GroupRows(answer_.get());
    if (n > 0) emit dataChanged(index(0, 0), index(n - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    return;
  }
  beginResetModel();
  answer_ = std::move(answer);
  endResetModel();
}

int GroupResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : GroupRows(answer_.get());
}

int GroupResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupResultsModel::data(const QModelIndex& index, int role) const {
  if (!answer_ || !index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::TextAlignmentRole && index.column() != Name) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  const std::size_t row = static_cast<std::size_t>(index.row());
  const load::Load& load = answer_->flown;
  const load::GroupResult& result = answer_->flight.groups[row];
  const load::Units& units = load.units;
  switch (index.column()) {
    case Name:
      return QString::fromStdString(load.groups[row].name);
    case Delay:
      return row == 0 ? QString() : Tenths(load.groups[row].delay);
    case ExitTime:
      return Tenths(result.exitTime);
    case FallTime:
      return Tenths(result.fallTime);
    case Opening:
      return Whole(load::FromFeet(load.groups[row].openingAltitude, units.altitude));
    case Downrange:
      return Whole(load::FromFeet(result.openingDownrange, units.distance));
    case Crossrange:
      return Whole(load::FromFeet(result.openingCrossrange, units.distance));
    default:
      return {};
  }
}

QVariant GroupResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const load::Units units = answer_ ? answer_->flown.units : load::Units{};
  const QString distance = DistanceUnitName(units);
  switch (section) {
    case Name:
      return QStringLiteral("Group");
    case Delay:
      return QStringLiteral("Delay (s)");
    case ExitTime:
      return QStringLiteral("Exit (s)");
    case FallTime:
      return QStringLiteral("Fall time (s)");
    case Opening:
      return QStringLiteral("Opens at (%1)").arg(AltitudeUnitName(units));
    case Downrange:
      return QStringLiteral("Downrange (%1)").arg(distance);
    case Crossrange:
      return QStringLiteral("Right of run (%1)").arg(distance);
    default:
      return {};
  }
}

void PairResultsModel::SetAnswer(std::shared_ptr<const LoadAnswer> answer) {
  if (PairRows(answer_.get()) == PairRows(answer.get())) {
    answer_ = std::move(answer);
    const int n = PairRows(answer_.get());
    if (n > 0) emit dataChanged(index(0, 0), index(n - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    return;
  }
  beginResetModel();
  answer_ = std::move(answer);
  endResetModel();
}

int PairResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : PairRows(answer_.get());
}

int PairResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant PairResultsModel::data(const QModelIndex& index, int role) const {
  if (!answer_ || !index.isValid() || index.row() >= rowCount()) return {};
  const load::PairResult& pair = answer_->flight.pairs[static_cast<std::size_t>(index.row())];
  if (role == Qt::BackgroundRole) return PairColour(pair.meetsTarget);
  if (role == Qt::ForegroundRole) return QColor(Qt::black);
  if (role == Qt::ToolTipRole) {
    return pair.meetsTarget ? QStringLiteral("At or above the target separation")
                            : QStringLiteral("Under the target separation");
  }
  if (role == Qt::TextAlignmentRole && index.column() > Second) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (role != Qt::DisplayRole) return {};
  const load::Load& load = answer_->flown;
  const auto distance = [&load](double feet) {
    return Whole(load::FromFeet(feet, load.units.distance));
  };
  switch (index.column()) {
    case First:
      return QString::fromStdString(load.groups[static_cast<std::size_t>(pair.first)].name);
    case Second:
      return QString::fromStdString(load.groups[static_cast<std::size_t>(pair.second)].name);
    case WhenFirstOpens:
      return distance(pair.whenFirstOpens);
    case BetweenDeploymentPoints:
      return distance(pair.betweenDeploymentPoints);
    case WhenSecondOpens:
      return distance(pair.whenSecondOpens);
    case Separation:
      return distance(pair.separation) + (pair.meetsTarget ? QString() : QStringLiteral(" *"));
    default:
      return {};
  }
}

QVariant PairResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const QString unit = DistanceUnitName(answer_ ? answer_->flown.units : load::Units{});
  switch (section) {
    case First:
      return QStringLiteral("First out");
    case Second:
      return QStringLiteral("Second out");
    case WhenFirstOpens:
      return QStringLiteral("When first opens (%1)").arg(unit);
    case BetweenDeploymentPoints:
      return QStringLiteral("Between openings (%1)").arg(unit);
    case WhenSecondOpens:
      return QStringLiteral("When second opens (%1)").arg(unit);
    case Separation:
      return QStringLiteral("Separation (%1)").arg(unit);
    default:
      return {};
  }
}

}  // namespace tarnwick
