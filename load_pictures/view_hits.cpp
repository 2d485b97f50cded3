#include "load_pictures/view_hits.h"

#include <cmath>

#include "load_pictures/top_view.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {
namespace {

// The candidate nearest to (xPx, yPx) within `reachPx`: `each` calls its argument with every
// candidate hit and the candidate's place in pixels.
template <typename EachCandidate>
std::optional<TrackHit> NearestWithin(double xPx, double yPx, double reachPx, EachCandidate each) {
  std::optional<TrackHit> best;
  double bestDistance = reachPx;
  each([&](TrackHit hit, double candidateX, double candidateY) {
    const double d = std::hypot(candidateX - xPx, candidateY - yPx);
    if (d <= bestDistance) {
      bestDistance = d;
      best = hit;
    }
  });
  return best;
}

}  // namespace

std::optional<TrackHit> SideViewTrackAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                        double yPx, double reachPx) {
  const CanvasScale& s = canvas.Scale();
  return NearestWithin(xPx, yPx, reachPx, [&](auto&& consider) {
    for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
      const auto& path = tracks.groups[k].path;
      for (std::size_t i = 0; i < path.size(); ++i) {
        consider(TrackHit{k, i}, canvas.ToPixelX(s, path[i].along),
                 canvas.ToPixelY(s, path[i].altitude));
      }
    }
  });
}

std::optional<TrackHit> TopViewOpeningAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                         double yPx, double reachPx) {
  const CanvasScale& s = canvas.Scale();
  return NearestWithin(xPx, yPx, reachPx, [&](auto&& consider) {
    for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
      const GroupTrack& g = tracks.groups[k];
      if (g.opening >= g.path.size()) continue;
      const TrackPoint& p = g.path[g.opening];
      const TopPoint at = TopViewPoint(tracks, p.along, p.across);
      consider(TrackHit{k, g.opening}, canvas.ToPixelX(s, at.x), canvas.ToPixelY(s, at.y));
    }
  });
}

std::string TrackHitText(const LoadTracks& tracks, const TrackHit& hit) {
  const GroupTrack& g = tracks.groups[hit.group];
  const TrackPoint& p = g.path[hit.point];
  const double first = tracks.groups.front().exitTime;
  std::string text = g.name + ": " + OneDecimalText(p.time - g.exitTime) + " s after its exit, " +
                     OneDecimalText(p.time - first) + " s into the load, " +
                     WholeNumberText(p.altitude) + " " + tracks.altitudeUnit;
  if (hit.point == g.opening) text += ", opening";
  return text;
}

}  // namespace tarnwick
