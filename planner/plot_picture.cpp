#include "planner/plot_picture.h"

#include <QFont>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <memory>

#include "canvas/main_window_layout.h"
#include "canvas/canvas_painter.h"
#include "canvas/qt_text_metrics.h"
#include "canvas/twips.h"
#include "planner/picture_file.h"

namespace tarnwick {

void SetUpMainWindowPlot(Canvas& canvas, const QFont& font) {
  // Whole pixels, as the window's widget has them.
  using namespace main_window;
  canvas.SetClientSizePx(TwipsToPx(kPlotWidthTwips), TwipsToPx(kHeightTwips));
  canvas.SetTextMetrics(std::make_shared<QtTextMetrics>(font));
  canvas.SetUserScale(kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight);
  canvas.AutoRedraw = false;
}

RunOutcome RunIntoMainWindowPlot(Module1& module, Canvas& canvas, const QFont& font) {
  SetUpMainWindowPlot(canvas, font);
  return RunSimulation(module, &canvas, nullptr, nullptr);
}

bool WriteCanvasPicture(const std::string& path, const Canvas& canvas, const QPalette& palette,
                        const QFont& font, std::string& error) {
  const auto format = PictureFormatFor(path);
  if (!format) {
    error = UnknownPictureTypeError(path);
    return false;
  }
  const QSize size(static_cast<int>(std::ceil(canvas.ClientWidthPx())),
                   static_cast<int>(std::ceil(canvas.ClientHeightPx())));
  return WritePicture(
      path, *format, size, "Tarnwick Simulation plot",
      [&](QPainter& painter) {
        const CanvasPainter figures(canvas, palette, font);
        painter.fillRect(QRect(QPoint(0, 0), size), figures.Background());
        figures.Paint(painter, 0, canvas.Figures().size());
      },
      error);
}

}  // namespace tarnwick
