#include "browser/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>
#include <functional>
#include <numbers>

namespace tarnwick {
namespace {

constexpr int kIconSize = 24;
const QColor kInk(40, 70, 120);
const QColor kFill(90, 150, 220);

QIcon Draw(const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paint(painter);
  return QIcon(pixmap);
}

void Arrow(QPainter& p, bool pointsLeft) {
  QPolygonF shape({{3, 12}, {11, 4}, {11, 8.5}, {21, 8.5}, {21, 15.5}, {11, 15.5}, {11, 20}});
  if (!pointsLeft) {
    for (QPointF& point : shape) point.setX(kIconSize - point.x());
  }
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(kFill);
  p.drawPolygon(shape);
}

void StopSign(QPainter& p) {
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double angle = (22.5 + 45.0 * i) * std::numbers::pi / 180.0;
    octagon << QPointF(12 + 10 * std::cos(angle), 12 + 10 * std::sin(angle));
  }
  p.setPen(QPen(QColor(120, 20, 20), 1.2));
  p.setBrush(QColor(210, 40, 40));
  p.drawPolygon(octagon);
  p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
  p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
}

void RefreshArrows(QPainter& p) {
  p.setPen(QPen(QColor(30, 120, 60), 2.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const QRectF ring(4.5, 4.5, 15, 15);
  p.drawArc(ring, 30 * 16, 150 * 16);
  p.drawArc(ring, 210 * 16, 150 * 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 120, 60));
  p.drawPolygon(QPolygonF({{18.8, 3.5}, {21.5, 10.5}, {14.5, 9.5}}));
  p.drawPolygon(QPolygonF({{5.2, 20.5}, {2.5, 13.5}, {9.5, 14.5}}));
}

void House(QPainter& p) {
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(QColor(235, 220, 180));
  p.drawRect(QRectF(6, 11, 12, 10));
  p.setBrush(QColor(190, 60, 40));
  p.drawPolygon(QPolygonF({{2.5, 12}, {12, 3}, {21.5, 12}}));
  p.setBrush(kFill);
  p.drawRect(QRectF(10, 15, 4, 6));
}

void Magnifier(QPainter& p) {
  p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(220, 235, 250));
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
}

}  // namespace

QList<QIcon> ToolbarIcons() {
  return {
      Draw([](QPainter& p) { Arrow(p, true); }),
      Draw([](QPainter& p) { Arrow(p, false); }),
      Draw(StopSign),
      Draw(RefreshArrows),
      Draw(House),
      Draw(Magnifier),
  };
}

}  // namespace tarnwick
