#pragma once

#include <optional>
#include <string>

#include "entry/input_table.h"

namespace tarnwick {

// Scenario settings given on the command line, each as the text a user would type or the
// choice a user would make in the data entry window. Unset ones leave the control as it is.
struct ScenarioOptions {
  std::optional<std::string> ias, upperWind, lowerWind, windChangeAltitude, exitDelay;
  std::optional<bool> upperHeadwind, lowerHeadwind;
  std::optional<int> firstIndex, secondIndex;  // list index: 0 fast, 1 slow
};

// The option text that goes into `box`.
std::optional<std::string>& TextOption(ScenarioOptions& options, Box box);
const std::optional<std::string>& TextOption(const ScenarioOptions& options, Box box);

}  // namespace tarnwick
