#include "planner_window/load_rows_model.h"

#include "planner_window/load_document.h"

namespace tarnwick {

LoadRowsModel::LoadRowsModel(LoadDocument& document, int columns, RowsOf rowsOf, QObject* parent)
    : QAbstractTableModel(parent), document_(document), rowsOf_(rowsOf), columns_(columns) {
  rows_ = static_cast<int>(rowsOf_(document_.Load()));
  connect(&document_, &LoadDocument::loadChanged, this, &LoadRowsModel::OnLoadChanged);
  connect(&document_, &LoadDocument::loadReset, this, [this] { problems_.ClearAll(); });
}

void LoadRowsModel::OnLoadChanged() {
  const int rows = static_cast<int>(rowsOf_(document_.Load()));
  if (rows != rows_) {
    // Rows came or went (an edit, or the undo of one): views start afresh.
    beginResetModel();
    rows_ = rows;
    endResetModel();
    return;
  }
  // The units may have changed: headers name them.
  emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
  if (rows > 0) emit dataChanged(index(0, 0), index(rows - 1, columns_ - 1));
}

int LoadRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int LoadRowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QString LoadRowsModel::ProposeRowEdit(const load::EditOutcome& outcome, const QString& what) {
  if (const auto* refusal = std::get_if<load::EditRefusal>(&outcome)) {
    return QString::fromStdString(refusal->reason);
  }
  const auto& edited = std::get<load::EditedLoad>(outcome);
  const QString reason = document_.Propose(edited.load, what);
  if (!reason.isEmpty()) return reason;
  problems_.Renumber(edited.newRowOf);
  emit rowEdited(edited.row ? static_cast<int>(*edited.row) : -1);
  return {};
}

bool LoadRowsModel::ProposeCellEdit(const QModelIndex& index, const QString& text, QString reason,
                                    const load::Load& next, const QString& what) {
  if (reason.isEmpty()) reason = document_.Propose(next, what);
  if (reason.isEmpty()) {
    problems_.Clear(index.row(), index.column());
  } else {
    problems_.Set(index.row(), index.column(), text, reason);
  }
  // A change of one cell can change how the rest of its row reads (a layer given another way).
  emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(columns_ - 1));
  return reason.isEmpty();
}

bool LoadRowsModel::ProposeRowCellEdit(const QModelIndex& index, const QString& text,
                                       const load::EditOutcome& outcome, const QString& what) {
  const auto* refusal = std::get_if<load::EditRefusal>(&outcome);
  const QString reason = refusal ? QString::fromStdString(refusal->reason) : QString();
  if (!reason.isEmpty()) return ProposeCellEdit(index, text, reason, document_.Load(), what);
  problems_.Clear(index.row(), index.column());
  const QString refused = ProposeRowEdit(outcome, what);
  if (!refused.isEmpty()) return ProposeCellEdit(index, text, refused, document_.Load(), what);
  // The rows may have changed places: every row reads afresh.
  if (rows_ > 0) emit dataChanged(this->index(0, 0), this->index(rows_ - 1, columns_ - 1));
  return true;
}

bool LoadRowsModel::Unchanged(const QModelIndex& index, const QString& text) const {
  return !problems_.Find(index.row(), index.column()) &&
         text == data(index, Qt::EditRole).toString();
}

std::optional<std::size_t> LoadRowsModel::RowOrNone(int row) {
  if (row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

}  // namespace tarnwick
