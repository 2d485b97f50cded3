#include "load_pictures/label_placer.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tarnwick {
namespace {

constexpr double kClearancePx = 1;  // between a label and any mark, so that they never touch
// Between two labels side by side, so that two names never read as one.
constexpr double kLabelSpacingPx = 5;
constexpr double kDiagonal = 0.7071;

PixelBox Grown(const PixelBox& box, double by) {
  return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

double NearestDistance(const PixelBox& box, double x, double y) {
  const double dx = std::max({box.left - x, 0.0, x - box.right});
  const double dy = std::max({box.top - y, 0.0, y - box.bottom});
  return std::hypot(dx, dy);
}

double FarthestDistance(const PixelBox& box, double x, double y) {
  return std::hypot(std::max(std::fabs(box.left - x), std::fabs(box.right - x)),
                    std::max(std::fabs(box.top - y), std::fabs(box.bottom - y)));
}

}  // namespace

bool LineCrossesBox(double x1, double y1, double x2, double y2, const PixelBox& box) {
  // Liang-Barsky: clip the line's parameter range to each edge of the box in turn.
  double from = 0, to = 1;
  const double dx = x2 - x1, dy = y2 - y1;
  const std::array<double, 4> p{-dx, dx, -dy, dy};
  const std::array<double, 4> q{x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
  for (std::size_t i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;  // parallel to this edge and outside it
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      from = std::max(from, t);
    } else {
      to = std::min(to, t);
    }
    if (from > to) return false;
  }
  return true;
}

bool LabelPlacer::Free(const PixelBox& box) const {
  if (!box.Within(area_)) return false;
  const PixelBox clear = Grown(box, kClearancePx);
  for (const PixelBox& b : boxes_) {
    if (clear.Intersects(b)) return false;
  }
  for (const Circle& c : discs_) {
    if (NearestDistance(box, c.x, c.y) < c.radius + kClearancePx) return false;
  }
  for (const Circle& c : rings_) {
    const bool outside = NearestDistance(box, c.x, c.y) >= c.radius + kClearancePx;
    const bool inside = FarthestDistance(box, c.x, c.y) <= c.radius - kClearancePx;
    if (!outside && !inside) return false;
  }
  for (const Segment& s : lines_) {
    if (LineCrossesBox(s.x1, s.y1, s.x2, s.y2, clear)) return false;
  }
  return true;
}

std::optional<PixelBox> LabelPlacer::Place(double x, double y, double width, double height,
                                           double reachPx) {
  for (double d = kLabelGapPx; d <= markRadius_ + reachPx; d += height / 2) {
    const double diagonal = d * kDiagonal;
    // Top-left corners: right, left, above right, below right, above left, below left, above,
    // below.
    const std::array<std::pair<double, double>, 8> corners{{
        {x + d, y - height / 2},
        {x - d - width, y - height / 2},
        {x + diagonal, y - diagonal - height},
        {x + diagonal, y + diagonal},
        {x - diagonal - width, y - diagonal - height},
        {x - diagonal - width, y + diagonal},
        {x - width / 2, y - d - height},
        {x - width / 2, y + d},
    }};
    for (const auto& [left, top] : corners) {
      const PixelBox box{left, top, left + width, top + height};
      if (!Free(box)) continue;
      boxes_.push_back(
          {box.left - kLabelSpacingPx, box.top, box.right + kLabelSpacingPx, box.bottom});
      return box;
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick
