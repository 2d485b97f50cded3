#include "load_pictures/north_arrow.h"

#include <cmath>
#include <numbers>

namespace tarnwick {
namespace {

constexpr double kHeadAngle = std::numbers::pi / 6;  // each side of the head, off the shaft
constexpr char kNorth[] = "N";

}  // namespace

TrackDirection NorthInTrack(double headingDegrees) {
  const double heading = headingDegrees * std::numbers::pi / 180;
  return {std::cos(heading), -std::sin(heading)};
}

double NorthArrowSidePx(const TextMetrics& metrics) {
  // The shaft, and beyond either end of it room for the "N" wherever the head points.
  return 1.5 * metrics.LineHeightPx() + 2 * (metrics.LineHeightPx() + 4);
}

void DrawNorthArrow(Canvas& canvas, const PixelBox& box, double headingDegrees) {
  const TextMetrics& m = canvas.Metrics();
  const CanvasScale& s = canvas.Scale();
  const double cx = (box.left + box.right) / 2;
  const double cy = (box.top + box.bottom) / 2;
  // North on the screen: where a step north from the centre lands in pixels.
  const TrackDirection north = NorthInTrack(headingDegrees);
  const double reach = std::fabs(UnitsX(canvas, 10));
  const double dx = canvas.ToPixelX(s, UserX(canvas, cx) + north.along * reach) - cx;
  const double dy = canvas.ToPixelY(s, UserY(canvas, cy) + north.across * reach) - cy;
  const double length = std::hypot(dx, dy);
  if (!(length > 0)) return;
  const double ux = dx / length, uy = dy / length;

  const double half = 0.75 * m.LineHeightPx();
  const double tipX = cx + ux * half, tipY = cy + uy * half;
  const auto line = [&canvas](double x1, double y1, double x2, double y2) {
    canvas.Line(static_cast<float>(UserX(canvas, x1)), static_cast<float>(UserY(canvas, y1)),
                static_cast<float>(UserX(canvas, x2)), static_cast<float>(UserY(canvas, y2)));
  };
  line(cx - ux * half, cy - uy * half, tipX, tipY);
  const double headLength = half * 0.6;
  for (const double side : {-kHeadAngle, kHeadAngle}) {
    const double bx = -(ux * std::cos(side) - uy * std::sin(side));
    const double by = -(ux * std::sin(side) + uy * std::cos(side));
    line(tipX, tipY, tipX + bx * headLength, tipY + by * headLength);
  }
  // The "N" centred a little beyond the head.
  const double textW = m.TextWidthPx(kNorth);
  const double textH = m.LineHeightPx();
  const double away = 0.5 * textH + 2;
  PrintAtPixel(canvas, tipX + ux * away - textW / 2, tipY + uy * away - textH / 2, kNorth,
               canvas.ForeColour);
}

}  // namespace tarnwick
