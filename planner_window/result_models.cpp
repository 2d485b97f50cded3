#include "planner_window/result_models.h"

#include <QColor>

#include "load/load_limits.h"
#include "load/quantity_text.h"

namespace tarnwick {
namespace {

static_assert(GroupResultsModel::Margin ==
              std::tuple_size_v<decltype(load::LoadReport::groupColumns)>);
static_assert(PairResultsModel::ColumnCount ==
              std::tuple_size_v<decltype(load::LoadReport::pairColumns)>);

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// The header of `section` from the report's `columns` (of a load in feet and knots before the
// first report).
template <std::size_t N>
QVariant Header(const std::array<load::ReportColumn, N>& columns, int section, int role,
                Qt::Orientation orientation) {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section < 0 || static_cast<std::size_t>(section) >= N) return {};
  return HeaderLines(ColumnTitle(columns[static_cast<std::size_t>(section)]));
}

const load::LoadReport& EmptyReport() {
  static const load::LoadReport empty = load::MakeLoadReport({});
  return empty;
}

}  // namespace

MarginShade ShadeOfMargin(double margin, const load::Units& units) {
  if (margin < 0) return MarginShade::Short;
  const double small = load::FromFeet(load::limits::kSmallReachMargin, units.distance);
  return margin < small ? MarginShade::Small : MarginShade::Ample;
}

QColor MarginColour(MarginShade shade) {
  switch (shade) {
    case MarginShade::Ample:
      return PairColour(true);
    case MarginShade::Small:
      return {0xFF, 0xD8, 0x8A};
    case MarginShade::Short:
      break;
  }
  return PairColour(false);
}

QColor PairColour(bool meetsTarget) {
  return meetsTarget ? QColor(0xC8, 0xEE, 0xC8) : QColor(0xF6, 0xB8, 0xB8);
}

QString HeaderLines(const QString& title) {
  // "Delay (s)" fits as it is; "When second opens (ft)" reads as well in half the width.
  constexpr qsizetype kLongest = 10;
  if (title.size() <= kLongest) return title;
  const qsizetype middle = title.size() / 2;
  qsizetype best = -1;
  for (qsizetype i = 0; i < title.size(); ++i) {
    if (title[i] == QLatin1Char(' ') &&
        (best < 0 || std::abs(i - middle) < std::abs(best - middle)))
      best = i;
  }
  if (best < 0) return title;
  QString lines = title;
  lines[best] = QLatin1Char('\n');
  return lines;
}

QString ColumnTitle(const load::ReportColumn& column) {
  return column.unit.empty() ? Text(column.title)
                             : QStringLiteral("%1 (%2)").arg(Text(column.title), Text(column.unit));
}

void ReportTableModel::SetReport(std::shared_ptr<const load::LoadReport> report) {
  const int before = report_ ? RowsOf(*report_) : 0;
  const int after = report ? RowsOf(*report) : 0;
  if (before != after) {
    beginResetModel();
    report_ = std::move(report);
    endResetModel();
    return;
  }
  report_ = std::move(report);
  if (after > 0) emit dataChanged(index(0, 0), index(after - 1, Columns() - 1));
  emit headerDataChanged(Qt::Horizontal, 0, Columns() - 1);
}

int ReportTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !report_ ? 0 : RowsOf(*report_);
}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns();
}

int GroupResultsModel::RowsOf(const load::LoadReport& report) const {
  return static_cast<int>(report.groups.size());
}

QVariant GroupResultsModel::data(const QModelIndex& index, int role) const {
  if (!report_ || !index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::TextAlignmentRole && index.column() != Name) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  if (index.column() == Margin) return SpotData(index, role);
  if (role != Qt::DisplayRole) return {};
  const load::GroupRow& row = report_->groups[static_cast<std::size_t>(index.row())];
  switch (index.column()) {
    case Name:
      return Text(row.name);
    case Delay:
      return row.delay ? Text(row.delay->number) : QString();
    case ExitTime:
      return Text(row.exitTime.number);
    case FallTime:
      return Text(row.fallTime.number);
    case Opening:
      return Text(row.opening.number);
    case Downrange:
      return Text(row.downrange.number);
    case Crossrange:
      return Text(row.crossrange.number);
    default:
      return {};
  }
}

QVariant GroupResultsModel::SpotData(const QModelIndex& index, int role) const {
  if (!report_->spot || static_cast<std::size_t>(index.row()) >= report_->spot->groups.size()) {
    return {};
  }
  const load::SpotGroupRow& row = report_->spot->groups[static_cast<std::size_t>(index.row())];
  const MarginShade shade = ShadeOfMargin(row.margin.value, report_->units);
  switch (role) {
    case Qt::DisplayRole:
      return Text(row.margin.number);
    case Qt::BackgroundRole:
      return MarginColour(shade);
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::ToolTipRole:
      return (shade == MarginShade::Short   ? QStringLiteral("Cannot get back to the landing area")
              : shade == MarginShade::Small ? QStringLiteral("Gets back with little to spare")
                                            : QStringLiteral("Gets back with room to spare")) +
             QStringLiteral(
                 ". Its reach: %1 from the landing area, allowing for the wind under "
                 "canopy")
                 .arg(Text(row.reachRadius.text));
    default:
      return {};
  }
}

QVariant GroupResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  const load::LoadReport& report = report_ ? *report_ : EmptyReport();
  if (section < Margin) return Header(report.groupColumns, section, role, orientation);
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section >= ColumnCount) return {};
  return HeaderLines(QStringLiteral("Margin (%1)")
                         .arg(Text(load::UnitOf(load::Quantity::Distance, report.units))));
}

int PairResultsModel::RowsOf(const load::LoadReport& report) const {
  return static_cast<int>(report.pairs.size());
}

QVariant PairResultsModel::data(const QModelIndex& index, int role) const {
  if (!report_ || !index.isValid() || index.row() >= rowCount()) return {};
  const load::PairRow& pair = report_->pairs[static_cast<std::size_t>(index.row())];
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
  switch (index.column()) {
    case First:
      return Text(pair.firstName);
    case Second:
      return Text(pair.secondName);
    case WhenFirstOpens:
      return Text(pair.whenFirstOpens.number);
    case BetweenDeploymentPoints:
      return Text(pair.betweenOpenings.number);
    case WhenSecondOpens:
      return Text(pair.whenSecondOpens.number);
    case Separation:
      return Text(pair.separation.number) + (pair.meetsTarget ? QString() : QStringLiteral(" *"));
    default:
      return {};
  }
}

QVariant PairResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  return Header((report_ ? *report_ : EmptyReport()).pairColumns, section, role, orientation);
}

}  // namespace tarnwick
