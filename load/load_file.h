#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "load/load_model.h"

namespace tarnwick::load {

inline constexpr const char* kLoadFormatName = "tarnwick-load";
inline constexpr int kLoadFormatVersion = 1;

struct ReadLoad {
  std::optional<Load> load;
  std::string error;  // one line naming the field and the problem, when load is empty
};

// Reads a load file's text. Every check a load must pass is made here, LoadProblem() included.
ReadLoad ReadLoadText(std::string_view text);

// The load as a file's text, in its own units; ReadLoadText gives it back.
std::string WriteLoadText(const Load& load);

}  // namespace tarnwick::load
