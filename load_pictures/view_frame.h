#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"

namespace tarnwick {

// A rectangle of the data: x from left to right, y from bottom up to top.
struct DataRect {
  double left = 0, right = 1, bottom = 0, top = 1;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
};

// Room in logical pixels between the client area's edges and the data: for tick labels,
// axis titles and the names written beside the points.
struct Margins {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// Gives `canvas` a user scale (y growing upward) under which `data` fills the client area
// inside `margins`. With `sameScale` a foot across is as long as a foot along, so that circles
// stay round and distances compare at a glance: `data` then grows in its short direction,
// about its centre, until it fits. Returns the rectangle actually shown inside the margins.
DataRect FitScale(Canvas& canvas, DataRect data, const Margins& margins, bool sameScale);

// Canvas units of the current scale that make `px` logical pixels on the client area; y grows
// downward on the screen, so a positive `px` moves down.
double UnitsX(const Canvas& canvas, double px);
double UnitsY(const Canvas& canvas, double px);

// A tick step of 1, 2 or 5 times a power of ten that cuts `span` into at most `maxTicks`
// intervals.
double NiceStep(double span, int maxTicks);

// The multiples of `step` within [from, to].
std::vector<double> TicksWithin(double from, double to, double step);

// A whole number as a user reads it: digits only, a minus sign when negative, no grouping.
std::string WholeNumberText(double value);

// A number with one decimal, "23.4"; never locale-dependent.
std::string OneDecimalText(double value);

// Prints `text` with its top-left corner `dxPx`, `dyPx` logical pixels from (x, y); negative
// offsets of the text's own width or height right-align or bottom-align it.
void PrintAt(Canvas& canvas, double x, double y, double dxPx, double dyPx, std::string_view text);

// Both axes along the left and bottom edges of `shown`, ticks every `xStep` and `yStep` with
// their values, and a title at the end of each axis.
struct AxisTitles {
  std::string x, y;
};
void DrawAxes(Canvas& canvas, const DataRect& shown, double xStep, double yStep,
              const AxisTitles& titles);

}  // namespace tarnwick
