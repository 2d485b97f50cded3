#include "briefing/briefing_print.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "briefing/briefing_page.h"

namespace tarnwick {

bool PrintBriefing(QPrinter& printer, const BriefingSheet& sheet) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page = printer.pageRect(QPrinter::DevicePixel);
  const QSizeF sheetSize = BriefingPageSize();
  const double scale =
      std::min(page.width() / sheetSize.width(), page.height() / sheetSize.height());
  painter.scale(scale, scale);
  PaintBriefing(painter, sheet);
  return painter.end();
}

}  // namespace tarnwick
