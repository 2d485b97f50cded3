#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSizeF>
#include <cstddef>

#include "canvas/canvas.h"

class QPainter;

namespace tarnwick {

// Turns a canvas colour into a screen colour: 0x00BBGGRR directly, 0x800000nn through the
// window's palette (button face 0x8000000F is the window background).
QColor ToQColor(Colour colour, const QPalette& palette);

// Draws figures [from, to) of `canvas` with `painter`, whose coordinates are the canvas's
// logical pixels. Used for both the full and the incremental rendering of a cached image.
class CanvasPainter {
 public:
  CanvasPainter(const Canvas& canvas, const QPalette& palette, const QFont& font);
  void Paint(QPainter& painter, std::size_t from, std::size_t to) const;
  QColor Background() const;

 private:
  void PaintFigure(QPainter& painter, std::size_t index) const;
  QColor FigureColour(const Figure& figure) const;
  double TextLeftPx(std::size_t index) const;

  const Canvas& canvas_;
  const QPalette& palette_;
  const QFont& font_;
  QSizeF client_;
};

}  // namespace tarnwick
