#pragma once

#include <optional>

#include "canvas/canvas_widget.h"
#include "load/load_flight.h"
#include "load/load_model.h"
#include "load_pictures/load_tracks.h"
#include "load_pictures/view_hits.h"

namespace tarnwick {

// A view of a load on screen: draws its figures again for every new load and every new size,
// so that lines stay one pixel wide and text its own size however large the view, and names
// the group and the time of the track under the mouse in a tooltip.
class LoadViewWidget : public CanvasWidget {
  Q_OBJECT

 public:
  explicit LoadViewWidget(QWidget* parent = nullptr);

  // Shows `flight`, a flight of `load` recorded with PictureFlightOptions(); call it after
  // every recompute.
  void setFlight(const load::Load& load, const load::LoadFlight& flight);
  // Shows `tracks`; none (an empty load, which has no answer) leaves the view blank.
  void setTracks(LoadTracks tracks);
  const LoadTracks& tracks() const { return tracks_; }

  // The tooltip's text for a point of the widget, empty where there is no track.
  QString toolTipAt(QPoint widgetPos) const;

  QSize sizeHint() const override { return {480, 320}; }
  QSize minimumSizeHint() const override { return {200, 140}; }

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

  virtual void Draw(Canvas& canvas, const LoadTracks& tracks) const = 0;
  virtual std::optional<TrackHit> HitAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                        double yPx) const = 0;

  void Redraw();

 private:
  LoadTracks tracks_;
};

}  // namespace tarnwick
