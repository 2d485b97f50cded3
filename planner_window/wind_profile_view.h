#pragma once

#include "canvas/canvas_widget.h"

namespace tarnwick {

class LoadDocument;

// The small picture of the load's winds beside the winds table: speed and direction against
// altitude (load_pictures/wind_profile_picture.h), drawn again after every change of the load
// and at every size, so that it always shows the winds the load flies.
class WindProfileView : public CanvasWidget {
  Q_OBJECT

 public:
  explicit WindProfileView(const LoadDocument& document, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {220, 180}; }
  QSize minimumSizeHint() const override { return {150, 110}; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Redraw();

  const LoadDocument& document_;
};

}  // namespace tarnwick
