#include "planner_window/wind_profile_view.h"

#include <QEvent>

#include "load_pictures/wind_profile_picture.h"
#include "planner_window/load_document.h"

namespace tarnwick {

WindProfileView::WindProfileView(const LoadDocument& document, QWidget* parent)
    : CanvasWidget(parent), document_(document) {
  setObjectName(QStringLiteral("windProfile"));
  setFrameShape(QFrame::StyledPanel);
  setToolTip(QStringLiteral("The winds the load flies, from the ground to the exit altitude"));
  connect(&document, &LoadDocument::loadChanged, this, &WindProfileView::Redraw);
  Redraw();
}

void WindProfileView::Redraw() {
  SyncClientSize();
  DrawWindProfile(canvas(), document_.Load());
}

void WindProfileView::resizeEvent(QResizeEvent* event) {
  CanvasWidget::resizeEvent(event);
  Redraw();
}

void WindProfileView::changeEvent(QEvent* event) {
  CanvasWidget::changeEvent(event);
  // The axes are laid out by the width of their text in the widget's font.
  if (event->type() == QEvent::FontChange) Redraw();
}

}  // namespace tarnwick
