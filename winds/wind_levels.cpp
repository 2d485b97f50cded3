#include "winds/wind_levels.h"

#include <algorithm>
#include <cmath>

#include "winds/text_lines.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

// Why a kept level cannot be flown, or nothing.
std::optional<std::string> LevelProblem(const LevelCandidate& level) {
  const WindLevelReading& r = level.reading;
  if (!std::isfinite(r.speed) || r.speed < 0 || r.speed > limits::kMaxLevelSpeed) {
    return level.where + ": a wind speed of " + MessageNumber(r.speed) + " kt lies outside 0 to " +
           MessageNumber(limits::kMaxLevelSpeed) + " kt";
  }
  if (!std::isfinite(r.from) || r.from < 0 || r.from > 360) {
    return level.where + ": a wind direction of " + MessageNumber(r.from) +
           " degrees lies outside 0 to 360";
  }
  return std::nullopt;
}

std::string NothingLeft(const WindSource& source, const ImportOptions& options) {
  std::string error = "the " + source.format;
  if (!source.station.empty()) error += " for " + source.station;
  error += " gives no wind level";
  if (options.dropZoneElevation) {
    return error + " at or above the drop zone's elevation (" +
           MessageNumber(*options.dropZoneElevation) + " ft)";
  }
  return error + " from the ground up to " + MessageNumber(limits::kMaxLevelAltitude) + " ft";
}

}  // namespace

WindImport Refusal(std::string error) {
  return {std::nullopt, std::move(error)};
}

WindImport FinishLevels(const std::vector<LevelCandidate>& candidates, WindSource source,
                        const ImportOptions& options, std::optional<double> surface) {
  const double floor = std::max({0.0, surface.value_or(0), options.dropZoneElevation.value_or(0)});
  std::vector<WindLevelReading> levels;
  for (const LevelCandidate& candidate : candidates) {
    const double altitude = candidate.reading.altitude;
    if (!(altitude >= floor && altitude <= limits::kMaxLevelAltitude)) continue;
    if (auto problem = LevelProblem(candidate)) return Refusal(std::move(*problem));
    levels.push_back(candidate.reading);
    if (levels.back().speed == 0) levels.back().from = 0;
  }
  std::stable_sort(levels.begin(), levels.end(),
                   [](const auto& a, const auto& b) { return a.altitude > b.altitude; });
  levels.erase(std::unique(levels.begin(), levels.end(),
                           [](const auto& a, const auto& b) { return a.altitude == b.altitude; }),
               levels.end());
  if (levels.empty()) return Refusal(NothingLeft(source, options));
  return {ImportedWinds{std::move(levels), std::move(source), std::nullopt}, {}};
}

}  // namespace tarnwick::winds
