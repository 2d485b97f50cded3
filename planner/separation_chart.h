#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "planner/sweep.h"

class QPainter;

namespace tarnwick {

// What the sweep's chart shows: the three separations of the report against the swept value.
struct SeparationChart {
  std::string xLabel;    // the swept input with its unit
  std::string subtitle;  // the inputs that stayed fixed
  std::vector<double> x;
  std::array<std::vector<double>, 3> separations;  // first pull, deployment points, last pull
  std::optional<double> targetFeet;
  // With an exit delay sweep and a target: the shortest swept delay from which every longer
  // swept delay reaches the target, as --recommend-delay chooses on its finer grid.
  std::optional<double> safeFrom;
};

SeparationChart ChartOfSweep(const SweepRange& range, const std::vector<SweepRow>& rows,
                             std::optional<double> targetFeet);

inline constexpr int kChartWidthPx = 960;
inline constexpr int kChartHeightPx = 600;

// Paints the chart on a white page of kChartWidthPx x kChartHeightPx logical pixels.
void PaintSeparationChart(QPainter& painter, const SeparationChart& chart);

// Writes the chart as PNG or SVG; false with a one-line reason in `error`.
bool WriteSeparationChart(const std::string& path, const SeparationChart& chart,
                          std::string& error);

}  // namespace tarnwick
