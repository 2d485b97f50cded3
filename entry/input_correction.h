#pragma once

#include <array>
#include <string>
#include <vector>

#include "entry/input_table.h"
#include "sim/scenario.h"

namespace tarnwick {

// A numeric input that Go's limits (or, for the wind change altitude, its own box) changed
// before the run: what the input said and what the run uses instead.
struct InputCorrection {
  Box box;
  std::string given;  // the text as typed on the command line, or as the preset set it
  bool typed;         // given by its option, not by the preset
  float taken;        // the value the run uses
};

// The boxes' texts before Go, in the input table's order, and which of them an option typed.
struct GivenInputs {
  std::array<std::string, kInputCount> texts;
  std::array<bool, kInputCount> typed{};
};

// The inputs whose value `prepared`, the scenario after Go's limits, does not run as `given`
// said. A value counts as changed when its box would show it differently, so digits beyond a
// single's precision are no correction.
std::vector<InputCorrection> FindCorrections(const GivenInputs& given, const Scenario& prepared);

// One line for standard error, in the command line's words, e.g.
// "--ias 500 was taken as 200 (its box takes 0 to 200)", or "the preset's --upper-wind 40 was
// taken as 35 (...)" for a value no option gave (the window's own defaults never need
// correcting); the given text escaped.
std::string CorrectionText(const InputCorrection& correction);

}  // namespace tarnwick
