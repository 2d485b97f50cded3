#include "canvas/qt_text_metrics.h"

#include <QString>

namespace tarnwick {

QtTextMetrics::QtTextMetrics(const QFont& font) : metrics_(font) {}

double QtTextMetrics::TextWidthPx(std::string_view text) const {
  return metrics_.horizontalAdvance(
      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtTextMetrics::LineHeightPx() const {
  return metrics_.height();
}

}  // namespace tarnwick
