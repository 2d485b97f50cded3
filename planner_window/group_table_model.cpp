#include "planner_window/group_table_model.h"

#include <QMimeData>
#include <numeric>

#include "planner_window/cell_text.h"
#include "planner_window/load_document.h"

namespace tarnwick {
namespace {

const QString kRowMime = QStringLiteral("application/x-tarnwick-group-row");
constexpr int kMergeNone = -1;

QString DelayCell(float delay) {
  return NumberCell(delay);
}

}  // namespace

GroupTableModel::GroupTableModel(LoadDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
  rows_ = static_cast<int>(document_.Load().groups.size());
  connect(&document_, &LoadDocument::loadChanged, this, &GroupTableModel::OnLoadChanged);
  connect(&document_, &LoadDocument::loadReset, this, [this] { problems_.ClearAll(); });
}

void GroupTableModel::OnLoadChanged() {
  const int rows = static_cast<int>(document_.Load().groups.size());
  if (rows != rows_) {
    // Rows came or went (an add, a removal, or the undo of one): views start afresh.
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return;
  }
  if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, ColumnCount - 1));
}

int GroupTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int GroupTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rows_) return {};
  const load::Load& load = document_.Load();
  const load::Group& group = load.groups[static_cast<std::size_t>(index.row())];
  const CellProblems::Entry* problem = problems_.Find(index.row(), index.column());
  if (role == kProblemRole) return problem ? problem->reason : QVariant();
  if (role == Qt::ToolTipRole) {
    if (problem) return problem->reason;
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
  if (role != Qt::EditRole || !index.isValid() || index.row() >= rows_) return false;
  const int row = index.row();
  const QString text = value.toString();
  // Leaving a cell as it reads changes nothing, also where the unit conversion is inexact.
  if (!problems_.Find(row, index.column()) && text == data(index, Qt::EditRole).toString()) {
    return false;
  }
  load::Load next = document_.Load();
  load::Group& group = next.groups[static_cast<std::size_t>(row)];
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
    default:
      return false;
  }
  if (reason.isEmpty()) reason = document_.Propose(next, what, kMergeNone);
  if (reason.isEmpty()) {
    problems_.Clear(row, index.column());
  } else {
    problems_.Set(row, index.column(), text, reason);
  }
  emit dataChanged(index, index);
  return reason.isEmpty();
}

QString GroupTableModel::AddGroup(int after) {
  load::Load next = document_.Load();
  const int at = std::clamp(after + 1, 0, static_cast<int>(next.groups.size()));
  load::Group group;
  group.name = "Group " + std::to_string(next.groups.size() + 1);
  group.delay = static_cast<float>(next.minimumDelay);
  next.groups.insert(next.groups.begin() + at, group);
  std::vector<int> newRowOf(static_cast<std::size_t>(rows_));
  std::iota(newRowOf.begin(), newRowOf.end(), 0);
  for (int& r : newRowOf) {
    if (r >= at) ++r;
  }
  const QString reason = document_.Propose(next, QStringLiteral("Add group"));
  if (reason.isEmpty()) problems_.Renumber(newRowOf);
  return reason;
}

QString GroupTableModel::RemoveGroup(int row) {
  load::Load next = document_.Load();
  if (row < 0 || row >= static_cast<int>(next.groups.size())) return {};
  next.groups.erase(next.groups.begin() + row);
  std::vector<int> newRowOf(static_cast<std::size_t>(rows_));
  for (int r = 0; r < rows_; ++r) newRowOf[r] = r < row ? r : (r == row ? -1 : r - 1);
  const QString reason = document_.Propose(next, QStringLiteral("Remove group"));
  if (reason.isEmpty()) problems_.Renumber(newRowOf);
  return reason;
}

QString GroupTableModel::MoveGroup(int from, int to) {
  const int count = static_cast<int>(document_.Load().groups.size());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return {};
  std::vector<int> order(static_cast<std::size_t>(count));
  std::iota(order.begin(), order.end(), 0);
  order.erase(order.begin() + from);
  order.insert(order.begin() + to, from);
  load::Load next = document_.Load();
  for (int i = 0; i < count; ++i) next.groups[i] = document_.Load().groups[order[i]];
  // The delays belong to the gaps, not to the groups: the gap before each place keeps its
  // delay, so moving a group changes the order and nothing else.
  for (int i = 0; i < count; ++i) next.groups[i].delay = document_.Load().groups[i].delay;
  std::vector<int> newRowOf(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) newRowOf[order[i]] = i;
  const QString reason = document_.Propose(next, QStringLiteral("Move group"));
  if (reason.isEmpty()) problems_.Renumber(newRowOf);
  return reason;
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
  int to = parent.isValid() ? parent.row() : (row < 0 ? rows_ - 1 : row);
  if (!parent.isValid() && row >= 0 && row > from) --to;
  to = std::clamp(to, 0, rows_ - 1);
  return MoveGroup(from, to).isEmpty() && from != to;
}

}  // namespace tarnwick
