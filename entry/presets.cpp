#include "entry/presets.h"

#include "entry/number_text.h"

namespace tarnwick {

Preset PresetForArgument(std::string_view argument) {
  struct Row {
    int number;
    const char *ias, *exitDelay, *lowerWind, *upperWind, *windChangeAltitude;
    bool upperHeadwind, lowerHeadwind;
    int first, second;
  };
  static constexpr Row kRows[] = {
      {1, "80", "8", "30", "40", nullptr, true, false, 1, 1},
      {2, "80", "8", "30", "40", nullptr, true, true, 1, 1},
      {3, "80", "0", "25", "25", nullptr, true, true, 0, 0},
      {4, "80", "0", "0", "0", nullptr, true, true, 0, 1},
      {5, "80", "18", "10", "50", "4500", true, true, 0, 1},
      {6, "80", "0", "20", "40", "9000", true, false, 0, 1},
      {8, "70", "17", "10", "30", "4000", true, true, 0, 1},
  };

  Preset preset;
  if (argument.empty()) return preset;
  const double number = TextToNumber(argument);
  for (const Row& row : kRows) {
    if (number != row.number) continue;
    preset.ias = row.ias;
    preset.exitDelay = row.exitDelay;
    preset.lowerWind = row.lowerWind;
    preset.upperWind = row.upperWind;
    if (row.windChangeAltitude) preset.windChangeAltitude = row.windChangeAltitude;
    preset.upperHeadwind = row.upperHeadwind;
    preset.lowerHeadwind = row.lowerHeadwind;
    preset.firstIndex = row.first;
    preset.secondIndex = row.second;
    break;
  }
  return preset;
}

int PlotRateIndexForArgument(std::string_view argument) {
  return argument.empty() ? 0 : 1;
}

}  // namespace tarnwick
