#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "entry/input_table.h"

namespace tarnwick {

// The name used on the command line ("exit-delay", ...) and a label with the unit for charts,
// both from the input table.
std::string_view FieldName(Box field);
std::string_view FieldLabel(Box field);

// FROM:TO:STEP held as whole multiples of 10^-decimals, so every value of the range is exact:
// 0:30:0.1 gives 301 values whose texts read "0.0", "0.1", ... "30.0", never 0.30000000000000004.
struct SweepRange {
  Box field = Box::ExitDelay;
  std::int64_t from = 0, to = 0, step = 1;  // in units of 10^-decimals
  int decimals = 0;

  std::size_t Count() const { return static_cast<std::size_t>((to - from) / step) + 1; }
  std::int64_t Scaled(std::size_t index) const {
    return from + static_cast<std::int64_t>(index) * step;
  }
  double Value(std::size_t index) const;
  // The value as a user would type it into the box: the option text of that run.
  std::string Text(std::size_t index) const;
  // The value with at least one decimal, as the sweep's CSV and chart show it.
  std::string Label(std::size_t index) const;
};

inline constexpr std::size_t kMaxSweepValues = 100000;

struct ParsedSweepRange {
  std::optional<SweepRange> range;
  std::string error;  // one line, set when range is empty
};

// Parses FIELD=FROM:TO:STEP. The numbers are plain decimals (an optional sign, digits, at most
// one point); a range that runs backwards, a step that is not positive or more than
// kMaxSweepValues values are refused rather than guessed at.
ParsedSweepRange ParseSweepRange(std::string_view text);

// Writes a whole multiple of 10^-decimals as decimal text with exactly `decimals` decimals.
std::string ScaledToText(std::int64_t scaled, int decimals);

}  // namespace tarnwick
