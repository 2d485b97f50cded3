#pragma once

#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

inline constexpr double kLabelGapPx = 6;

// The width of the longest group name, for the margin its label needs beside a point.
double LongestNameWidthPx(const Canvas& canvas, const LoadTracks& tracks);

// Writes names beside points of the current scale, each moved down a line at a time where it
// would cover one written before, and kept inside the picture.
class LabelPlacer {
 public:
  explicit LabelPlacer(Canvas& canvas) : canvas_(canvas) {}
  void Place(double x, double y, std::string_view text, Colour colour);

 private:
  struct Box {
    double left, top, right, bottom;
  };
  Canvas& canvas_;
  std::vector<Box> placed_;
};

}  // namespace tarnwick
