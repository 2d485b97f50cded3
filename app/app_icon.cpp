#include "app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarnwick {
namespace {

// Colours of the standard 16-colour palette, so the icon looks at home at 16 colours too.
const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kGrey(128, 128, 128);

void DrawCanopy(QPainter& p, double cx, double top, double width, const QColor& colour) {
  QPainterPath canopy;
  canopy.moveTo(cx - width / 2, top + width / 3);
  canopy.quadTo(cx, top - width / 6, cx + width / 2, top + width / 3);
  canopy.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(canopy);
  // Lines down to the jumper.
  const QPointF jumper(cx, top + width * 0.95);
  p.setPen(QPen(colour, 0.8));
  p.drawLine(QPointF(cx - width / 2, top + width / 3), jumper);
  p.drawLine(QPointF(cx + width / 2, top + width / 3), jumper);
  p.setPen(Qt::NoPen);
  p.drawEllipse(jumper, 1.4, 1.4);
}

}  // namespace

void PaintTarnwickIcon(QPainter& p, double size) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);

  p.setPen(QPen(kNavy, 1));
  p.setBrush(kBlue);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 4, 4);

  // The aircraft, flying to the right, as the plot draws it.
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawRect(QRectF(3, 4, 14, 4));
  p.setBrush(kGrey);
  p.drawRect(QRectF(7, 2.5, 4, 7));

  DrawCanopy(p, 10, 14, 11, kWhite);
  DrawCanopy(p, 23, 18, 11, kYellow);
  p.restore();
}

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintTarnwickIcon(painter, size);
  return pixmap;
}

}  // namespace

QIcon TarnwickIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

}  // namespace tarnwick
