#include "load_pictures/load_side_view.h"

#include "load_pictures/side_view.h"

namespace tarnwick {
namespace {

constexpr double kReachPx = 6;  // how near the mouse must be to a track to name it

}  // namespace

void LoadSideView::Draw(Canvas& canvas, const LoadTracks& tracks) const {
  DrawLoadSideView(canvas, tracks);
}

std::optional<TrackHit> LoadSideView::HitAt(const Canvas& canvas, const LoadTracks& tracks,
                                            double xPx, double yPx) const {
  return SideViewTrackAt(canvas, tracks, xPx, yPx, kReachPx);
}

}  // namespace tarnwick
