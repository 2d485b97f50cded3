#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "planner/sweep.h"

namespace tarnwick {

inline constexpr const char* kSweepCsvHeader =
    "value,jumper1_downrange_ft,jumper1_fall_time_s,jumper2_downrange_ft,jumper2_fall_time_s,"
    "first_pull_separation_ft,deployment_separation_ft,last_pull_separation_ft";

// One decimal, halves away from zero as the report rounds, and never "-0.0".
std::string OneDecimal(double value);

// Feet for people: one decimal, or none for a whole number ("1000 ft", "1500.5 ft").
std::string FeetText(double feet);

// The header and one line per row, in row order, each ending in '\n'.
void WriteSweepCsv(std::ostream& out, const SweepRange& range, const std::vector<SweepRow>& rows);

}  // namespace tarnwick
