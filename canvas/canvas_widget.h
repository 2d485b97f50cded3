#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QImage>
#include <QTimer>
#include <cstddef>
#include <cstdint>

#include "canvas/canvas.h"

namespace tarnwick {

// Shows a Canvas. The figures are rendered into an image cached at the screen's pixel density:
// only the figures added since the last paint are drawn, and everything is drawn again when the
// canvas is cleared or rescaled, the widget resized or moved to a screen of another density.
// Changes are repainted at most at display rate, so a run that draws every step and lets the
// event loop run every step does not spend its time repainting.
class CanvasWidget : public QFrame {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);
  ~CanvasWidget() override;

  Canvas& canvas() { return canvas_; }
  const Canvas& canvas() const { return canvas_; }

  // Tells the canvas the size of the area it draws in. Called on every resize; call it also
  // after resizing a hidden widget, whose resize event comes only when it is shown.
  void SyncClientSize();

  // The canvas rendered as it would appear on screen, at the given pixel density.
  QImage Render(qreal devicePixelRatio = 1.0) const;

  // How many times the cached image was rendered from scratch, how many figures were drawn in
  // all and how often the widget was painted; lets tests see that painting is incremental and
  // throttled.
  int FullRenders() const { return fullRenders_; }
  std::size_t FiguresDrawn() const { return figuresDrawn_; }
  int Paints() const { return paints_; }

  static constexpr int kMinRepaintIntervalMs = 16;  // about one display refresh

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ScheduleRepaint();
  void UpdateTextMetrics();
  void BringCacheUpToDate();

  Canvas canvas_;
  QImage cache_;
  std::uint64_t cachedGeneration_ = 0;
  std::uint32_t cachedAdded_ = 0;  // figures added before the last render, kept or not
  bool cacheValid_ = false;
  QElapsedTimer sinceLastUpdate_;
  QTimer trailingUpdate_;
  int fullRenders_ = 0;
  std::size_t figuresDrawn_ = 0;
  int paints_ = 0;
};

}  // namespace tarnwick
