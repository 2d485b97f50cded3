#pragma once

#include <QHash>
#include <QModelIndex>
#include <QString>
#include <Qt>
#include <optional>
#include <vector>

namespace tarnwick {

// The role under which an input model gives the reason a cell's text was refused; the cell
// delegate frames such a cell in red and its tooltip says why.
inline constexpr int kProblemRole = Qt::UserRole + 1;

// Texts typed into a table that the load refused: they stay in their cells, as typed, until
// corrected, and never reach the load.
class CellProblems {
 public:
  struct Entry {
    QString text;
    QString reason;
  };
  void Set(int row, int column, const QString& text, const QString& reason);
  void Clear(int row, int column);
  void ClearAll() { entries_.clear(); }
  const Entry* Find(int row, int column) const;
  bool Empty() const { return entries_.isEmpty(); }
  // Rows were removed or reordered: `newRowOf[old]` is each old row's new place (-1: gone).
  void Renumber(const std::vector<int>& newRowOf);

 private:
  QHash<QPair<int, int>, Entry> entries_;
};

}  // namespace tarnwick
