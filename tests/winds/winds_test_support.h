#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "winds/wind_import.h"

namespace tarnwick::winds::test {

// The model's knot, 1.688 ft/s, and the metre, exactly 0.3048 ft: the hand conversions the
// expected values are worked out with.
inline constexpr double kFeetPerSecondPerKnot = 1.688;
inline constexpr double kMetre = 0.3048;

inline double MetresToFeet(double metres) {
  return metres / kMetre;
}
inline double MetresPerSecondToKnots(double speed) {
  return speed / kMetre / kFeetPerSecondPerKnot;
}

// `text` with `from`, which must stand in it, replaced by `to`.
inline std::string Edited(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// The levels of an import that must succeed.
inline ImportedWinds Imported(const std::string& text, const ImportOptions& options = {}) {
  const WindImport imported = ImportWinds(text, options);
  EXPECT_TRUE(imported.winds.has_value()) << imported.error;
  return imported.winds.value_or(ImportedWinds{});
}

// The refusal of an import that must fail: one line.
inline std::string Refused(const std::string& text, const ImportOptions& options = {}) {
  const WindImport imported = ImportWinds(text, options);
  EXPECT_FALSE(imported.winds.has_value());
  EXPECT_EQ(imported.error.find('\n'), std::string::npos) << imported.error;
  return imported.error;
}

inline void ExpectLevel(const WindLevelReading& level, double altitude, double from, double speed,
                        std::optional<double> temperature) {
  EXPECT_DOUBLE_EQ(level.altitude, altitude);
  EXPECT_DOUBLE_EQ(level.from, from) << "at " << altitude;
  EXPECT_DOUBLE_EQ(level.speed, speed) << "at " << altitude;
  EXPECT_EQ(level.temperature, temperature) << "at " << altitude;
}

}  // namespace tarnwick::winds::test
