#include "entry/input_table.h"

#include <string>

namespace tarnwick {

// The row order must be the order of Box, since InputFor indexes the table by it.
static_assert([] {
  for (std::size_t i = 0; i < kInputTable.size(); ++i) {
    if (static_cast<std::size_t>(kInputTable[i].box) != i) return false;
  }
  return true;
}());

const InputRow* InputForOption(std::string_view option) {
  for (const InputRow& row : kInputTable) {
    if (row.option == option) return &row;
  }
  return nullptr;
}

std::string_view InputOptionList() {
  static const std::string list = [] {
    std::string text;
    for (std::size_t i = 0; i < kInputTable.size(); ++i) {
      if (i > 0) text += i + 1 == kInputTable.size() ? " or " : ", ";
      text += kInputTable[i].option;
    }
    return text;
  }();
  return list;
}

}  // namespace tarnwick
