#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// The controls a preset scenario sets; an empty optional leaves the control as it is.
struct Preset {
  std::optional<std::string> ias, exitDelay, lowerWind, upperWind, windChangeAltitude;
  std::optional<bool> upperHeadwind, lowerHeadwind;  // Check1, Check2
  int firstIndex = 1;                                // cmbFirst: 0 "Fast", 1 "Slow"
  int secondIndex = 0;                               // CmbSecond
};

// The preset that a command-line argument selects: 1, 2, 3, 4, 5, 6 and 8 (read as numbers,
// so " 5" and "5.0" select 5 too) have a row of their own; anything else, empty included,
// sets only the fallers (first slow, second fast).
Preset PresetForArgument(std::string_view argument);

// Plot rate list index for an argument: slow (1) whenever an argument is given, fast (0) if not.
int PlotRateIndexForArgument(std::string_view argument);

}  // namespace tarnwick
