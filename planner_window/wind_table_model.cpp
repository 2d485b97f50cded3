#include "planner_window/wind_table_model.h"

#include <cmath>

#include "planner_window/cell_text.h"
#include "planner_window/load_document.h"

namespace tarnwick {
namespace {

constexpr int kHeadwind = 0;
constexpr int kFromDirection = 1;

// The direction a headwind blows from on this heading, and back.
double DirectionOfHeadwind(double headwind, std::optional<double> heading) {
  const double h = heading.value_or(0);
  return std::fmod(headwind >= 0 ? h : h + 180, 360);
}

}  // namespace

const QStringList& WindTableModel::KindNames() {
  static const QStringList names = {QStringLiteral("Headwind"), QStringLiteral("From direction")};
  return names;
}

WindTableModel::WindTableModel(LoadDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
  rows_ = static_cast<int>(document_.Load().winds.size());
  connect(&document_, &LoadDocument::loadChanged, this, &WindTableModel::OnLoadChanged);
  connect(&document_, &LoadDocument::loadReset, this, [this] { problems_.ClearAll(); });
}

void WindTableModel::OnLoadChanged() {
  const int rows = static_cast<int>(document_.Load().winds.size());
  if (rows != rows_) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return;
  }
  emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
  if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
}

int WindTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int WindTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant WindTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const load::Load& load = document_.Load();
  const load::WindLayer& layer = load.winds[static_cast<std::size_t>(index.row())];
  const CellProblems::Entry* problem = problems_.Find(index.row(), index.column());
  if (role == kProblemRole) return problem ? problem->reason : QVariant();
  if (role == Qt::ToolTipRole) {
    if (problem) return problem->reason;
    if (index.column() == Speed && !layer.hasDirection) {
      return QStringLiteral(
          "Along the jump run: positive against the aircraft, negative for a "
          "tailwind");
    }
    if (index.column() == From) return QStringLiteral("Degrees the wind blows from");
    return {};
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (problem) return problem->text;
  switch (index.column()) {
    case Above:
      return layer.above ? AltitudeCell(*layer.above, load.units) : QStringLiteral("ground");
    case Kind:
      return KindNames()[layer.hasDirection ? kFromDirection : kHeadwind];
    case Speed:
      return SpeedCell(layer.hasDirection ? layer.speed : layer.headwind, load.units);
    case From:
      return layer.hasDirection ? NumberCell(layer.from) : QString();
    default:
      return {};
  }
}

QVariant WindTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const load::Units& units = document_.Load().units;
  switch (section) {
    case Above:
      return QStringLiteral("Above (%1)").arg(AltitudeUnitName(units));
    case Kind:
      return QStringLiteral("Given as");
    case Speed:
      return QStringLiteral("Speed (%1)").arg(SpeedUnitName(units));
    case From:
      return QStringLiteral("From (°)");
    default:
      return {};
  }
}

Qt::ItemFlags WindTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const load::WindLayer& layer = document_.Load().winds[static_cast<std::size_t>(index.row())];
  const bool ground = index.column() == Above && !layer.above;
  const bool noDirection = index.column() == From && !layer.hasDirection;
  if (!ground && !noDirection) f |= Qt::ItemIsEditable;
  return f;
}

bool WindTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.row() >= rows_) return false;
  const int row = index.row();
  const QString text = value.toString();
  if (!problems_.Find(row, index.column()) && text == data(index, Qt::EditRole).toString()) {
    return false;
  }
  load::Load next = document_.Load();
  load::WindLayer& layer = next.winds[static_cast<std::size_t>(row)];
  QString reason;
  switch (index.column()) {
    case Above: {
      const auto reading = ReadAltitude(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading))
        reason = *why;
      else
        layer.above = std::get<double>(reading);
      break;
    }
    case Kind: {
      const int kind = KindNames().indexOf(text);
      if (kind < 0) {
        reason = QStringLiteral("Choose %1").arg(KindNames().join(QStringLiteral(" or ")));
      } else if ((kind == kFromDirection) != layer.hasDirection) {
        // The same wind, given the other way: on the jump run's heading a headwind blows from
        // straight ahead and a tailwind from behind.
        if (kind == kFromDirection) {
          layer.speed = std::abs(layer.headwind);
          layer.from = DirectionOfHeadwind(layer.headwind, next.jumpRunHeading);
        } else {
          layer.headwind = load::TrackWindOf(layer, next.jumpRunHeading).headwind /
                           load::KnotsToFeetPerSecond(1);
        }
        layer.hasDirection = kind == kFromDirection;
      }
      break;
    }
    case Speed: {
      const auto reading = ReadSpeed(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading)) {
        reason = *why;
      } else {
        (layer.hasDirection ? layer.speed : layer.headwind) = std::get<double>(reading);
      }
      break;
    }
    case From: {
      const std::optional<double> degrees = ReadNumber(text);
      if (!degrees)
        reason = QStringLiteral("Type the direction in degrees, 0 to 360");
      else
        layer.from = *degrees;
      break;
    }
    default:
      return false;
  }
  if (reason.isEmpty()) reason = document_.Propose(next, QStringLiteral("Change wind"));
  if (reason.isEmpty()) {
    problems_.Clear(row, index.column());
  } else {
    problems_.Set(row, index.column(), text, reason);
  }
  emit dataChanged(index, index.siblingAtColumn(ColumnCount - 1));
  return reason.isEmpty();
}

QString WindTableModel::AddLayer(int row) {
  load::Load next = document_.Load();
  auto& winds = next.winds;
  if (winds.empty()) {
    winds.emplace_back();
    return document_.Propose(next, QStringLiteral("Add wind layer"));
  }
  const int at = std::clamp(row, 0, static_cast<int>(winds.size()) - 1);
  // Halfway between the base above (the exit altitude for the top layer) and this layer's
  // own base (the ground for the last one).
  const double upper = at == 0 ? next.exitAltitude : *winds[at - 1].above;
  const double lower = winds[at].above.value_or(0);
  load::WindLayer layer;
  layer.above = std::round((upper + lower) / 2);
  winds.insert(winds.begin() + at, layer);
  std::vector<int> newRowOf(static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r) newRowOf[r] = r < at ? r : r + 1;
  const QString reason = document_.Propose(next, QStringLiteral("Add wind layer"));
  if (reason.isEmpty()) problems_.Renumber(newRowOf);
  return reason;
}

QString WindTableModel::RemoveLayer(int row) {
  load::Load next = document_.Load();
  auto& winds = next.winds;
  if (row < 0 || row >= static_cast<int>(winds.size())) return {};
  const bool last = row + 1 == static_cast<int>(winds.size());
  winds.erase(winds.begin() + row);
  // The layer that is now the lowest reaches the ground.
  if (last && !winds.empty()) winds.back().above.reset();
  std::vector<int> newRowOf(static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r) newRowOf[r] = r < row ? r : (r == row ? -1 : r - 1);
  const QString reason = document_.Propose(next, QStringLiteral("Remove wind layer"));
  if (reason.isEmpty()) problems_.Renumber(newRowOf);
  return reason;
}

}  // namespace tarnwick
