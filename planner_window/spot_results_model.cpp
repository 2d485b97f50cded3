#include "planner_window/spot_results_model.h"

#include "load/load_limits.h"
#include "load/quantity_text.h"

namespace tarnwick {

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

int SpotResultsModel::RowsOf(const load::LoadReport& report) const {
  return report.spot ? static_cast<int>(report.spot->groups.size()) : 0;
}

QVariant SpotResultsModel::data(const QModelIndex& index, int role) const {
  if (!report_ || !index.isValid() || index.row() >= rowCount()) return {};
  const load::SpotGroupRow& row = report_->spot->groups[static_cast<std::size_t>(index.row())];
  const MarginShade shade = ShadeOfMargin(row.margin.value, report_->units);
  switch (role) {
    case Qt::BackgroundRole:
      return MarginColour(shade);
    case Qt::ForegroundRole:
      return QColor(Qt::black);
    case Qt::ToolTipRole:
      return shade == MarginShade::Short   ? QStringLiteral("Cannot get back to the landing area")
             : shade == MarginShade::Small ? QStringLiteral("Gets back with little to spare")
                                           : QStringLiteral("Gets back with room to spare");
    case Qt::TextAlignmentRole:
      if (index.column() != Name) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    case Qt::DisplayRole:
      break;
    default:
      return {};
  }
  switch (index.column()) {
    case Name:
      return QString::fromStdString(row.name);
    case Reach:
      return QString::fromStdString(row.reachRadius.number);
    case Margin:
      return QString::fromStdString(row.margin.number);
    default:
      return {};
  }
}

QVariant SpotResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  const load::Units units = report_ ? report_->units : load::Units{};
  const QString unit = QString::fromStdString(load::UnitOf(load::Quantity::Distance, units));
  switch (section) {
    case Name:
      return QStringLiteral("Group");
    case Reach:
      return QStringLiteral("Reach (%1)").arg(unit);
    case Margin:
      return QStringLiteral("Margin (%1)").arg(unit);
    default:
      return {};
  }
}

}  // namespace tarnwick
