#pragma once

#include <optional>
#include <string>

namespace tarnwick {

// Scenario settings given on the command line, each as the text a user would type or the
// choice a user would make in the data entry window. Unset ones leave the control as it is.
struct ScenarioOptions {
  std::optional<std::string> ias, upperWind, lowerWind, windChangeAltitude, exitDelay;
  std::optional<bool> upperHeadwind, lowerHeadwind;
  std::optional<int> firstIndex, secondIndex;  // list index: 0 fast, 1 slow
};

}  // namespace tarnwick
