#pragma once

#include <QSizeF>

#include "briefing/briefing_sheet.h"

class QPainter;

namespace tarnwick {

// The sheet is laid out on an A4 page in logical pixels of 1/96 inch, portrait.
inline constexpr double kBriefingPageWidthPx = 794;
inline constexpr double kBriefingPageHeightPx = 1123;
QSizeF BriefingPageSize();

// Paints the sheet on a white page of BriefingPageSize() in `painter`'s coordinates: the
// load's name and date, aircraft and winds, the exit order with the delays to call, the pair
// separations with those under the target marked, the warnings, and both pictures.
void PaintBriefing(QPainter& painter, const BriefingSheet& sheet);

}  // namespace tarnwick
