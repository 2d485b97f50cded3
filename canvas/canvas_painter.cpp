#include "canvas/canvas_painter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cmath>
#include <optional>

namespace tarnwick {
namespace {

// Figures may lie far outside the client area (a wind shear line below 1500 ft, an aircraft
// that has flown off the side). The rasteriser is only fed what lies near the visible area, so
// huge coordinates never reach it.
constexpr double kClipMarginPx = 4.0;
constexpr double kFarAwayPx = 1e6;

// System colours by their index, 0x800000nn, as the palette of the window names them.
QColor SystemColour(int index, const QPalette& p) {
  switch (index) {
    case 1:   // desktop
    case 12:  // application workspace
    case 16:  // button shadow
      return p.color(QPalette::Dark);
    case 2:   // active caption
    case 13:  // highlight
      return p.color(QPalette::Highlight);
    case 9:   // caption text
    case 14:  // highlight text
      return p.color(QPalette::HighlightedText);
    case 3:   // inactive caption
    case 19:  // inactive caption text
      return p.color(QPalette::Inactive, QPalette::Highlight);
    case 5:  // window (the inside of a text box)
      return p.color(QPalette::Base);
    case 6:   // window frame
    case 21:  // 3D dark shadow
      return p.color(QPalette::Shadow);
    case 7:  // menu text
    case 8:  // window text
      return p.color(QPalette::WindowText);
    case 17:  // grey text
      return p.color(QPalette::Disabled, QPalette::WindowText);
    case 18:  // button text
      return p.color(QPalette::ButtonText);
    case 20:  // button highlight
    case 22:  // 3D light
      return p.color(QPalette::Light);
    case 23:  // tooltip text
      return p.color(QPalette::ToolTipText);
    case 24:  // tooltip background
      return p.color(QPalette::ToolTipBase);
    default:  // 0 scroll bars, 4 menu, 10/11 borders, 15 button face: the window's background
      return p.color(QPalette::Window);
  }
}

bool Finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Liang-Barsky: the part of the segment inside `r`, or nothing when it misses it.
std::optional<QLineF> ClipLine(double x1, double y1, double x2, double y2, const QRectF& r) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  double t0 = 0;
  double t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 - r.left(), r.right() - x1, y1 - r.top(), r.bottom() - y1};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return QLineF(x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy);
}

}  // namespace

QColor ToQColor(Colour colour, const QPalette& palette) {
  if (IsSystemColour(colour)) return SystemColour(static_cast<int>(colour & 0xFF), palette);
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

CanvasPainter::CanvasPainter(const Canvas& canvas, const QPalette& palette, const QFont& font)
    : canvas_(canvas),
      palette_(palette),
      font_(font),
      client_(canvas.ClientWidthPx(), canvas.ClientHeightPx()) {}

QColor CanvasPainter::Background() const {
  return ToQColor(canvas_.BackColour, palette_);
}

void CanvasPainter::Paint(QPainter& painter, std::size_t from, std::size_t to) const {
  const auto& figures = canvas_.Figures();
  to = std::min(to, figures.size());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setFont(font_);
  for (std::size_t i = from; i < to; ++i) PaintFigure(painter, i);
}

QColor CanvasPainter::FigureColour(const Figure& f) const {
  if (f.foreground && f.colour == kDefaultForeColour && canvas_.BackColour == kButtonFace) {
    return palette_.color(QPalette::WindowText);
  }
  return ToQColor(f.colour, palette_);
}

// A continued text starts where the text it continues ends in the font it is drawn with.
double CanvasPainter::TextLeftPx(std::size_t index) const {
  const auto& figures = canvas_.Figures();
  const Figure& f = figures[index];
  if (!f.continuesText || index == 0 || figures[index - 1].kind != Figure::Kind::Text) {
    return canvas_.ToPixelX(canvas_.Scales()[f.scaleIndex], f.x1);
  }
  const std::string& before = canvas_.Texts()[figures[index - 1].textIndex];
  return TextLeftPx(index - 1) +
         QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(before));
}

void CanvasPainter::PaintFigure(QPainter& painter, std::size_t index) const {
  const Figure& f = canvas_.Figures()[index];
  const CanvasScale& s = canvas_.Scales()[f.scaleIndex];
  const double x1 = f.kind == Figure::Kind::Text ? TextLeftPx(index) : canvas_.ToPixelX(s, f.x1);
  const double y1 = canvas_.ToPixelY(s, f.y1);
  const QColor colour = FigureColour(f);
  const QRectF visible(-kClipMarginPx, -kClipMarginPx, client_.width() + 2 * kClipMarginPx,
                       client_.height() + 2 * kClipMarginPx);

  switch (f.kind) {
    case Figure::Kind::Line: {
      const double x2 = canvas_.ToPixelX(s, f.x2);
      const double y2 = canvas_.ToPixelY(s, f.y2);
      if (!Finite(x1, y1, x2, y2)) return;
      const auto line = ClipLine(x1, y1, x2, y2, visible);
      if (!line) return;
      painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::SquareCap));
      // A segment shorter than a pixel still marks its pixel, as a step of a slow fall does.
      if (line->p1().toPoint() == line->p2().toPoint()) {
        painter.drawPoint(line->p1());
      } else {
        painter.drawLine(*line);
      }
      return;
    }
    case Figure::Kind::Box: {
      const double x2 = canvas_.ToPixelX(s, f.x2);
      const double y2 = canvas_.ToPixelY(s, f.y2);
      if (!Finite(x1, y1, x2, y2)) return;
      // Both corner pixels belong to the box, so a box erased and redrawn at the same place
      // leaves no fringe. Corners far away are brought near first, so that the box's size
      // keeps its precision.
      auto near = [](double v) { return std::clamp(v, -kFarAwayPx, kFarAwayPx); };
      QRectF box(
          QPointF(std::floor(near(std::min(x1, x2))), std::floor(near(std::min(y1, y2)))),
          QPointF(std::floor(near(std::max(x1, x2))) + 1, std::floor(near(std::max(y1, y2))) + 1));
      box = box.intersected(visible);
      if (box.isEmpty()) return;
      painter.fillRect(box, colour);
      return;
    }
    case Figure::Kind::Circle: {
      const double radiusPx = std::fabs(canvas_.ToPixelX(s, f.x1 + f.x2) - x1);
      if (!Finite(x1, y1, radiusPx, 0)) return;
      const QRectF bounds(x1 - radiusPx, y1 - radiusPx, 2 * radiusPx, 2 * radiusPx);
      if (!bounds.intersects(visible) || radiusPx > 1e5) return;
      painter.setPen(QPen(colour, 1.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(QPointF(x1, y1), radiusPx, radiusPx);
      return;
    }
    case Figure::Kind::Text: {
      if (!Finite(x1, y1, 0, 0)) return;
      if (x1 > visible.right() || y1 > visible.bottom() || y1 < -1e5 || x1 < -1e5) return;
      const std::string& text = canvas_.Texts()[f.textIndex];
      const QFontMetricsF metrics(font_);
      painter.setPen(colour);
      painter.drawText(QPointF(x1, y1 + metrics.ascent()), QString::fromStdString(text));
      return;
    }
  }
}

}  // namespace tarnwick
