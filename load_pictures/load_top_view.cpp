#include "load_pictures/load_top_view.h"

#include "load_pictures/top_view.h"

namespace tarnwick {
namespace {

constexpr double kReachPx = 8;  // how near the mouse must be to an opening to name it

}  // namespace

void LoadTopView::Draw(Canvas& canvas, const LoadTracks& tracks) const {
  DrawLoadTopView(canvas, tracks);
}

std::optional<TrackHit> LoadTopView::HitAt(const Canvas& canvas, const LoadTracks& tracks,
                                           double xPx, double yPx) const {
  return TopViewOpeningAt(canvas, tracks, xPx, yPx, kReachPx);
}

}  // namespace tarnwick
