#include "planner_window/cell_problems.h"

namespace tarnwick {

void CellProblems::Set(int row, int column, const QString& text, const QString& reason) {
  entries_.insert({row, column}, Entry{text, reason});
}

void CellProblems::Clear(int row, int column) {
  entries_.remove({row, column});
}

const CellProblems::Entry* CellProblems::Find(int row, int column) const {
  const auto it = entries_.constFind({row, column});
  return it == entries_.cend() ? nullptr : &it.value();
}

void CellProblems::Renumber(const std::vector<int>& newRowOf) {
  QHash<QPair<int, int>, Entry> moved;
  for (auto it = entries_.cbegin(); it != entries_.cend(); ++it) {
    const int row = it.key().first;
    if (row < 0 || row >= static_cast<int>(newRowOf.size()) || newRowOf[row] < 0) continue;
    moved.insert({newRowOf[row], it.key().second}, it.value());
  }
  entries_ = std::move(moved);
}

}  // namespace tarnwick
