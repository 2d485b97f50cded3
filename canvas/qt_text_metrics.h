#pragma once

#include <QFont>
#include <QFontMetricsF>

#include "canvas/canvas.h"

namespace tarnwick {

// Measures canvas text in the font it is drawn with, so that a print that continues the line
// places the next text exactly behind the last, and a new line moves down one line of it.
class QtTextMetrics : public TextMetrics {
 public:
  explicit QtTextMetrics(const QFont& font);
  double TextWidthPx(std::string_view text) const override;
  double LineHeightPx() const override;

 private:
  QFontMetricsF metrics_;
};

}  // namespace tarnwick
