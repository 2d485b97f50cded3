#include "load_pictures/view_hits.h"

#include <cmath>

#include "load_pictures/view_frame.h"

namespace tarnwick {
std::optional<TrackHit> SideViewTrackAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                        double yPx, double reachPx) {
  const CanvasScale& s = canvas.Scale();
  std::optional<TrackHit> best;
  double bestDistance = reachPx;
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const auto& path = tracks.groups[k].path;
    for (std::size_t i = 0; i < path.size(); ++i) {
      const double d = std::hypot(canvas.ToPixelX(s, path[i].along) - xPx,
                                  canvas.ToPixelY(s, path[i].altitude) - yPx);
      if (d <= bestDistance) {
        bestDistance = d;
        best = TrackHit{k, i};
      }
    }
  }
  return best;
}

std::optional<TrackHit> TopViewOpeningAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                         double yPx, double reachPx) {
  const CanvasScale& s = canvas.Scale();
  std::optional<TrackHit> best;
  double bestDistance = reachPx;
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const GroupTrack& g = tracks.groups[k];
    if (g.opening >= g.path.size()) continue;
    const TrackPoint& p = g.path[g.opening];
    const double d =
        std::hypot(canvas.ToPixelX(s, p.along) - xPx, canvas.ToPixelY(s, p.across) - yPx);
    if (d <= bestDistance) {
      bestDistance = d;
      best = TrackHit{k, g.opening};
    }
  }
  return best;
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
