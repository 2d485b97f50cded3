#include "canvas/fit_font.h"

#include <QFontMetricsF>

namespace tarnwick {
namespace {

using TextWidths = std::vector<std::pair<QString, double>>;

bool Fits(const QFont& font, const TextWidths& textWidths, double lineHeightPx) {
  const QFontMetricsF metrics(font);
  if (metrics.height() > lineHeightPx) return false;
  for (const auto& [text, widthPx] : textWidths) {
    if (metrics.horizontalAdvance(text) > widthPx) return false;
  }
  return true;
}

}  // namespace

QFont FontFitting(const QFont& base, const QStringList& lines, double widthPx, double lineHeightPx,
                  double smallestPointSize) {
  TextWidths textWidths;
  for (const QString& line : lines) textWidths.emplace_back(line, widthPx);
  return FontFitting(base, textWidths, lineHeightPx, smallestPointSize);
}

QFont FontFitting(const QFont& base, const TextWidths& textWidths, double lineHeightPx,
                  double smallestPointSize) {
  QFont font = base;
  if (font.pointSizeF() <= 0) return font;  // sized in pixels: leave it as the system gave it
  constexpr double kStep = 0.5;
  while (!Fits(font, textWidths, lineHeightPx) && font.pointSizeF() - kStep >= smallestPointSize) {
    font.setPointSizeF(font.pointSizeF() - kStep);
  }
  return font;
}

}  // namespace tarnwick
