#include "planner_window/group_table_model.h"

#include <QColor>
#include <QFont>
#include <QMimeData>

#include "planner_window/cell_text.h"
#include "planner_window/load_document.h"

namespace tarnwick {
namespace {

const QString kRowMime = QStringLiteral("application/x-tarnwick-group-row");

QString DelayCell(float delay) {
  return NumberCell(delay);
}

bool IsCanopyColumn(int column) {
  return column == GroupTableModel::CanopyAirspeed || column == GroupTableModel::SinkRate;
}

// The canopy's value in a cell, in the load's units: speed, and the sink rate in the altitude
// unit per second.
QString CanopyCell(const load::Canopy& canopy, int column, const load::Units& units) {
  return column == GroupTableModel::CanopyAirspeed ? SpeedCell(canopy.airspeed, units)
                                                   : AltitudeCell(canopy.sinkRate, units);
}

}  // namespace

GroupTableModel::GroupTableModel(LoadDocument& document, QObject* parent)
    : LoadRowsModel(
          document, ColumnCount, [](const load::Load& load) { return load.groups.size(); },
          parent) {}

QVariant GroupTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const load::Load& load = document_.Load();
  const load::Group& group = load.groups[static_cast<std::size_t>(index.row())];
  const CellProblems::Entry* problem = problems_.Find(index.row(), index.column());
  if (role == kProblemRole) return problem ? problem->reason : QVariant();
  const bool loadsCanopy = IsCanopyColumn(index.column()) && !group.canopy && !problem;
  if (loadsCanopy && role == Qt::ForegroundRole) return QColor(Qt::gray);
  if (loadsCanopy && role == Qt::FontRole) {
    QFont font;
    font.setItalic(true);
    return font;
  }
  if (role == Qt::ToolTipRole) {
    if (problem) return problem->reason;
    if (IsCanopyColumn(index.column())) {
      return group.canopy ? QStringLiteral("This group's own canopy; clear the cell for the load's")
                          : QStringLiteral(
                                "The load's canopy; type a value to give this group "
                                "its own");
    }
    if (index.column() == FallRate) return kFallRateHelp;
    if (index.column() == Delay && index.row() == 0) {
      return QStringLiteral("The first group leaves when the jump run starts");
    }
    return {};
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (problem) return problem->text;
  switch (index.column()) {
    case Name:
      return QString::fromStdString(group.name);
    case FallRate:
      return FallRateCell(group.fallRate, load.units);
    case Opening:
      return AltitudeCell(group.openingAltitude, load.units);
    case Delay:
      return index.row() == 0 ? QString() : DelayCell(group.delay);
    case CanopyAirspeed:
    case SinkRate:
      return CanopyCell(load::CanopyOf(load, static_cast<std::size_t>(index.row())), index.column(),
                        load.units);
    default:
      return {};
  }
}

QVariant GroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const load::Units& units = document_.Load().units;
  switch (section) {
    case Name:
      return QStringLiteral("Group");
    case FallRate:
      return QStringLiteral("Fall rate");
    case Opening:
      return QStringLiteral("Opening (%1)").arg(AltitudeUnitName(units));
    case Delay:
      return QStringLiteral("Delay (s)");
    case CanopyAirspeed:
      return QStringLiteral("Canopy (%1)").arg(SpeedUnitName(units));
    case SinkRate:
      return QStringLiteral("Sink (%1/s)").arg(AltitudeUnitName(units));
    default:
      return {};
  }
}

Qt::ItemFlags GroupTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
  if (!(index.column() == Delay && index.row() == 0)) f |= Qt::ItemIsEditable;
  return f;
}

bool GroupTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) return false;
  const QString text = value.toString();
  if (Unchanged(index, text)) return false;
  load::Load next = document_.Load();
  load::Group& group = next.groups[static_cast<std::size_t>(index.row())];
  QString reason;
  QString what;
  switch (index.column()) {
    case Name:
      if (text.trimmed().isEmpty()) reason = QStringLiteral("A group needs a name");
      group.name = text.trimmed().toStdString();
      what = QStringLiteral("Rename group");
      break;
    case FallRate: {
      const auto reading = ReadFallRate(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading))
        reason = *why;
      else
        group.fallRate = std::get<load::FallRate>(reading);
      what = QStringLiteral("Change fall rate");
      break;
    }
    case Opening: {
      const auto reading = ReadAltitude(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading))
        reason = *why;
      else
        group.openingAltitude = std::get<double>(reading);
      what = QStringLiteral("Change opening altitude");
      break;
    }
    case Delay: {
      const auto reading = ReadSeconds(text);
      if (const auto* why = std::get_if<QString>(&reading))
        reason = *why;
      else
        group.delay = static_cast<float>(std::get<double>(reading));
      what = QStringLiteral("Change delay");
      break;
    }
    case CanopyAirspeed:
    case SinkRate: {
      what = QStringLiteral("Change group's canopy");
      if (text.trimmed().isEmpty()) {
        group.canopy.reset();
        break;
      }
      load::Canopy canopy = group.canopy.value_or(next.canopy);
      const bool speed = index.column() == CanopyAirspeed;
      const auto reading = speed ? ReadSpeed(text, next.units) : ReadAltitude(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading)) {
        reason = *why;
        break;
      }
      (speed ? canopy.airspeed : canopy.sinkRate) = std::get<double>(reading);
      group.canopy = canopy;
      break;
    }
    default:
      return false;
  }
  return ProposeCellEdit(index, text, reason, next, what);
}

QString GroupTableModel::AddGroup(int selected) {
  return ProposeRowEdit(load::InsertGroup(document_.Load(), RowOrNone(selected)),
                        QStringLiteral("Add group"));
}

QString GroupTableModel::RemoveGroup(int row) {
  if (row < 0) return {};
  return ProposeRowEdit(load::RemoveGroup(document_.Load(), static_cast<std::size_t>(row)),
                        QStringLiteral("Remove group"));
}

QString GroupTableModel::MoveGroup(int from, int to) {
  if (from < 0 || to < 0 || from == to) return {};
  return ProposeRowEdit(load::MoveGroup(document_.Load(), static_cast<std::size_t>(from),
                                        static_cast<std::size_t>(to)),
                        QStringLiteral("Move group"));
}

Qt::DropActions GroupTableModel::supportedDropActions() const {
  // A drop moves the group itself; offered to the view as a copy so that the view does not
  // also remove the dragged row afterwards.
  return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions GroupTableModel::supportedDragActions() const {
  return Qt::CopyAction;
}

QStringList GroupTableModel::mimeTypes() const {
  return {kRowMime};
}

QMimeData* GroupTableModel::mimeData(const QModelIndexList& indexes) const {
  if (indexes.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(kRowMime, QByteArray::number(indexes.front().row()));
  return data;
}

bool GroupTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                   int /*column*/, const QModelIndex& parent) {
  if (action == Qt::IgnoreAction || !data || !data->hasFormat(kRowMime)) return false;
  bool ok = false;
  const int from = data->data(kRowMime).toInt(&ok);
  if (!ok) return false;
  // Dropped on a row: that place; between rows: before `row`; below the last: at the end.
  const int rows = rowCount();
  int to = parent.isValid() ? parent.row() : (row < 0 ? rows - 1 : row);
  if (!parent.isValid() && row >= 0 && row > from) --to;
  to = std::clamp(to, 0, rows - 1);
  return MoveGroup(from, to).isEmpty() && from != to;
}

}  // namespace tarnwick
