#pragma once

#include "load_pictures/load_view_widget.h"

namespace tarnwick {

// The load from the side, as the main plot shows a run: downrange against altitude.
class LoadSideView : public LoadViewWidget {
  Q_OBJECT

 public:
  using LoadViewWidget::LoadViewWidget;

 protected:
  void Draw(Canvas& canvas, const LoadTracks& tracks) const override;
  std::optional<TrackHit> HitAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                double yPx) const override;
};

}  // namespace tarnwick
