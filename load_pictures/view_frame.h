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

// A rectangle of the client area in logical pixels, y growing downward.
struct PixelBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  bool Intersects(const PixelBox& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  bool Within(const PixelBox& outer) const {
    return left >= outer.left && right <= outer.right && top >= outer.top && bottom <= outer.bottom;
  }
};

// Which way the data's y grows on the screen: up, as altitude does in the side view, or down,
// as "right of the jump run" does in a picture seen from above with the jump run flown from
// left to right.
enum class YGrows { Up, Down };

// Gives `canvas` a user scale under which `data` fills the client area inside `margins`. With
// `sameScale` a foot across is as long as a foot along, so that circles stay round and
// distances compare at a glance: `data` then grows in its short direction, about its centre,
// until it fits. Returns the rectangle actually shown inside the margins.
DataRect FitScale(Canvas& canvas, DataRect data, const Margins& margins, bool sameScale,
                  YGrows yGrows = YGrows::Up);

// The part of the client area inside `margins`, where the data is drawn.
PixelBox PlotArea(const Canvas& canvas, const Margins& margins);

// Canvas units of the current scale that make `px` logical pixels on the client area; y grows
// downward on the screen, so a positive `px` moves down.
double UnitsX(const Canvas& canvas, double px);
double UnitsY(const Canvas& canvas, double px);

// The point of the current scale at logical pixel (xPx, yPx) of the client area.
double UserX(const Canvas& canvas, double xPx);
double UserY(const Canvas& canvas, double yPx);

// Prints `text` in `colour` with its top-left corner at logical pixel (leftPx, topPx).
void PrintAtPixel(Canvas& canvas, double leftPx, double topPx, std::string_view text,
                  Colour colour);

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

// Both axes along the left and the lower edge of `shown` on the screen, ticks every `xStep` and
// `yStep` with their values, and a title at the end of each axis.
struct AxisTitles {
  std::string x, y;
};
void DrawAxes(Canvas& canvas, const DataRect& shown, double xStep, double yStep,
              const AxisTitles& titles);

}  // namespace tarnwick
