#pragma once

#include <optional>
#include <vector>

#include "load_pictures/view_frame.h"

namespace tarnwick {

inline constexpr double kLabelGapPx = 6;

// Finds places for labels in a picture, in logical pixels: each beside its point, clear of the
// picture's marks, of the labels placed before it and of the picture's edges. A label that
// finds no such place is not placed at all, so that what is written never covers what is drawn.
class LabelPlacer {
 public:
  // Labels stay wholly inside `area`. Each point may be marked by a circle of
  // `markRadiusPx` (the top view's target circle) that a label may have to go round: the reach
  // of Place counts from its outline.
  explicit LabelPlacer(const PixelBox& area, double markRadiusPx = 0)
      : area_(area), markRadius_(markRadiusPx) {}

  // Marks to keep clear of: a box (a legend, a north arrow, the aircraft), a filled mark such
  // as an opening point, a circle's outline (a label lies wholly inside or wholly outside it)
  // and a line.
  void AvoidBox(const PixelBox& box) { boxes_.push_back(box); }
  void AvoidDisc(double x, double y, double radius) { discs_.push_back({x, y, radius}); }
  void AvoidRing(double x, double y, double radius) { rings_.push_back({x, y, radius}); }
  void AvoidLine(double x1, double y1, double x2, double y2) { lines_.push_back({x1, y1, x2, y2}); }

  // The first free place for a label of `width` x `height` around the point (x, y): beside it
  // to the right, to the left, then above and below, half a line farther out each round, up to
  // `reachPx` beyond the point's mark. The place is taken; nothing when none is free.
  std::optional<PixelBox> Place(double x, double y, double width, double height, double reachPx);

  // Whether `box` lies inside the area and clear of every mark and every label placed so far.
  bool Free(const PixelBox& box) const;

 private:
  struct Circle {
    double x, y, radius;
  };
  struct Segment {
    double x1, y1, x2, y2;
  };

  PixelBox area_;
  double markRadius_;
  std::vector<PixelBox> boxes_;  // marks and the labels placed so far
  std::vector<Circle> discs_;
  std::vector<Circle> rings_;
  std::vector<Segment> lines_;
};

// Whether a line from (x1, y1) to (x2, y2) passes through `box`.
bool LineCrossesBox(double x1, double y1, double x2, double y2, const PixelBox& box);

}  // namespace tarnwick
