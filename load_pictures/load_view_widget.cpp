#include "load_pictures/load_view_widget.h"

#include <QHelpEvent>
#include <QToolTip>

#include "load_pictures/group_colours.h"
#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {

LoadViewWidget::LoadViewWidget(QWidget* parent) : CanvasWidget(parent) {
  setMouseTracking(true);
  setFrameShape(QFrame::StyledPanel);
}

void LoadViewWidget::setFlight(const load::Load& load, const load::LoadFlight& flight) {
  setTracks(TracksOfFlight(load, flight));
}

void LoadViewWidget::setTracks(LoadTracks tracks) {
  tracks_ = std::move(tracks);
  Redraw();
}

void LoadViewWidget::Redraw() {
  SyncClientSize();
  if (tracks_.groups.empty()) {
    // No load, no answer: a blank picture, never the last load's.
    canvas().Cls();
    canvas().BackColour = kWhite;
    return;
  }
  Draw(canvas(), tracks_);
}

QString LoadViewWidget::toolTipAt(QPoint widgetPos) const {
  const QPoint p = widgetPos - contentsRect().topLeft();
  const auto hit = HitAt(canvas(), tracks_, p.x(), p.y());
  if (!hit) return {};
  return QString::fromStdString(TrackHitText(tracks_, *hit));
}

bool LoadViewWidget::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), text, this);
    }
    return true;
  }
  return CanvasWidget::event(event);
}

void LoadViewWidget::resizeEvent(QResizeEvent* event) {
  CanvasWidget::resizeEvent(event);
  Redraw();
}

void LoadViewWidget::changeEvent(QEvent* event) {
  CanvasWidget::changeEvent(event);
  // Labels are placed by their width in the widget's font.
  if (event->type() == QEvent::FontChange) Redraw();
}

}  // namespace tarnwick
