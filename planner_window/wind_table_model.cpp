#include "planner_window/wind_table_model.h"

#include "planner_window/cell_text.h"
#include "planner_window/load_document.h"

namespace tarnwick {
namespace {

// The Kind column's choices, in the order of KindNames().
constexpr load::WindGiven kGivenAs[] = {load::WindGiven::AsHeadwind,
                                        load::WindGiven::FromDirection};

// A wind's choice in the Kind column: its place in kGivenAs.
int KindOf(const load::LayerWind& wind) {
  return std::holds_alternative<load::DirectedWind>(wind) ? 1 : 0;
}

// The rows the table shows: the levels when the load has them, else its layers.
std::size_t WindRowsOf(const load::Load& load) {
  return load::HasWindLevels(load) ? load.windLevels.size() : load.winds.size();
}

// The wind of row `row`, a layer's or a level's.
template <typename AnyLoad>
auto& WindOfRow(AnyLoad& load, std::size_t row) {
  return load::HasWindLevels(load) ? load.windLevels[row].wind : load.winds[row].wind;
}

}  // namespace

const QStringList& WindTableModel::KindNames() {
  static const QStringList names = {QStringLiteral("Headwind"), QStringLiteral("From direction")};
  return names;
}

WindTableModel::WindTableModel(LoadDocument& document, QObject* parent)
    : LoadRowsModel(document, ColumnCount, WindRowsOf, parent) {}

bool WindTableModel::Levels() const {
  return load::HasWindLevels(document_.Load());
}

QVariant WindTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const load::Load& load = document_.Load();
  const auto row = static_cast<std::size_t>(index.row());
  const bool levels = Levels();
  const load::LayerWind& wind = WindOfRow(load, row);
  const auto* directed = std::get_if<load::DirectedWind>(&wind);
  const CellProblems::Entry* problem = problems_.Find(index.row(), index.column());
  if (role == kProblemRole) return problem ? problem->reason : QVariant();
  if (role == Qt::ToolTipRole) {
    if (problem) return problem->reason;
    if (index.column() == Speed && !directed) {
      return QStringLiteral(
          "Along the jump run: positive against the aircraft, negative for a "
          "tailwind");
    }
    if (index.column() == From) return QStringLiteral("Degrees true the wind blows from");
    if (index.column() == Above && levels) {
      return QStringLiteral("The wind at this altitude; between two levels it changes evenly");
    }
    return {};
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (problem) return problem->text;
  switch (index.column()) {
    case Above: {
      if (levels) return AltitudeCell(load.windLevels[row].altitude, load.units);
      const std::optional<double>& above = load.winds[row].above;
      return above ? AltitudeCell(*above, load.units) : QStringLiteral("ground");
    }
    case Kind:
      return KindNames()[KindOf(wind)];
    case Speed:
      return SpeedCell(directed ? directed->speed : std::get<load::Headwind>(wind).component,
                       load.units);
    case From:
      return directed ? NumberCell(directed->from) : QString();
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
      return (Levels() ? QStringLiteral("Altitude (%1)") : QStringLiteral("Above (%1)"))
          .arg(AltitudeUnitName(units));
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
  if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const load::Load& load = document_.Load();
  const auto row = static_cast<std::size_t>(index.row());
  const bool ground = index.column() == Above && !Levels() && !load.winds[row].above;
  const bool noDirection =
      index.column() == From && !std::holds_alternative<load::DirectedWind>(WindOfRow(load, row));
  if (!ground && !noDirection) f |= Qt::ItemIsEditable;
  return f;
}

bool WindTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) return false;
  const auto row = static_cast<std::size_t>(index.row());
  const QString text = value.toString();
  if (Unchanged(index, text)) return false;
  const bool levels = Levels();
  load::Load next = document_.Load();
  load::LayerWind& wind = WindOfRow(next, row);
  QString reason;
  switch (index.column()) {
    case Above: {
      const auto reading = ReadAltitude(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading)) {
        reason = *why;
      } else if (levels) {
        // A level finds its place among the others: the row may move.
        return ProposeRowCellEdit(index, text,
                                  load::SetWindLevelAltitude(next, row, std::get<double>(reading)),
                                  QStringLiteral("Change wind level"));
      } else {
        next.winds[row].above = std::get<double>(reading);
      }
      break;
    }
    case Kind: {
      const int kind = KindNames().indexOf(text);
      if (kind < 0) {
        reason = QStringLiteral("Choose %1").arg(KindNames().join(QStringLiteral(" or ")));
        break;
      }
      const load::EditOutcome outcome = levels ? load::GiveLevelWindAs(next, row, kGivenAs[kind])
                                               : load::GiveWindAs(next, row, kGivenAs[kind]);
      if (const auto* refusal = std::get_if<load::EditRefusal>(&outcome)) {
        reason = QString::fromStdString(refusal->reason);
      } else {
        next = std::get<load::EditedLoad>(outcome).load;
      }
      break;
    }
    case Speed: {
      const auto reading = ReadSpeed(text, next.units);
      if (const auto* why = std::get_if<QString>(&reading)) {
        reason = *why;
      } else if (auto* directed = std::get_if<load::DirectedWind>(&wind)) {
        directed->speed = std::get<double>(reading);
      } else {
        wind = load::Headwind{std::get<double>(reading)};
      }
      break;
    }
    case From: {
      const std::optional<double> degrees = ReadNumber(text);
      auto* directed = std::get_if<load::DirectedWind>(&wind);
      if (!degrees || !directed)
        reason = QStringLiteral("Type the direction in degrees, 0 to 360");
      else
        directed->from = *degrees;
      break;
    }
    default:
      return false;
  }
  return ProposeCellEdit(index, text, reason, next, QStringLiteral("Change wind"));
}

QString WindTableModel::AddLayer(int selected) {
  return ProposeRowEdit(load::InsertWindLayer(document_.Load(), RowOrNone(selected)),
                        QStringLiteral("Add wind layer"));
}

QString WindTableModel::RemoveLayer(int row) {
  if (row < 0) return {};
  return ProposeRowEdit(load::RemoveWindLayer(document_.Load(), static_cast<std::size_t>(row)),
                        QStringLiteral("Remove wind layer"));
}

QString WindTableModel::AddLevel(int selected) {
  return ProposeRowEdit(load::InsertWindLevel(document_.Load(), RowOrNone(selected)),
                        QStringLiteral("Add wind level"));
}

QString WindTableModel::RemoveLevel(int row) {
  if (row < 0) return {};
  return ProposeRowEdit(load::RemoveWindLevel(document_.Load(), static_cast<std::size_t>(row)),
                        QStringLiteral("Remove wind level"));
}

QString WindTableModel::GiveWindsAs(load::WindsGiven given) {
  if (load::WindsGivenOf(document_.Load()) == given) return {};
  return ProposeRowEdit(load::GiveWindsAs(document_.Load(), given),
                        given == load::WindsGiven::Levels ? QStringLiteral("Give winds as levels")
                                                          : QStringLiteral("Give winds as layers"));
}

}  // namespace tarnwick
