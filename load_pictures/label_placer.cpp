#include "load_pictures/label_placer.h"

#include <algorithm>

namespace tarnwick {

double LongestNameWidthPx(const Canvas& canvas, const LoadTracks& tracks) {
  double w = 0;
  for (const GroupTrack& g : tracks.groups) w = std::max(w, canvas.Metrics().TextWidthPx(g.name));
  return w;
}

void LabelPlacer::Place(double x, double y, std::string_view text, Colour colour) {
  const auto& m = canvas_.Metrics();
  const CanvasScale& s = canvas_.Scale();
  const double h = m.LineHeightPx();
  const double width = m.TextWidthPx(text);
  double left = canvas_.ToPixelX(s, x) + kLabelGapPx;
  double top = canvas_.ToPixelY(s, y) - h / 2;
  // Beside the point where there is room, else before it.
  if (left + width > canvas_.ClientWidthPx()) left -= width + 2 * kLabelGapPx;
  for (bool moved = true; moved;) {
    moved = false;
    for (const Box& b : placed_) {
      if (left < b.right && left + width > b.left && top < b.bottom && top + h > b.top) {
        top = b.bottom;
        moved = true;
      }
    }
  }
  placed_.push_back({left, top, left + width, top + h});
  canvas_.CurrentX = static_cast<float>(s.left + left * s.width / canvas_.ClientWidthPx());
  canvas_.CurrentY = static_cast<float>(s.top + top * s.height / canvas_.ClientHeightPx());
  const Colour saved = canvas_.ForeColour;
  canvas_.ForeColour = colour;
  canvas_.Print(text);
  canvas_.ForeColour = saved;
}

}  // namespace tarnwick
