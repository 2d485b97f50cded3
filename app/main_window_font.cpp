#include "app/main_window_font.h"

#include <QStringList>

#include "app/intro_text.h"
#include "canvas/fit_font.h"
#include "canvas/main_window_layout.h"
#include "canvas/twips.h"

namespace tarnwick {

QFont MainWindowCanvasFont(const QFont& base) {
  using namespace main_window;
  QStringList lines;
  for (const char* line : IntroLines()) lines << QString::fromLatin1(line);
  const int firstRowPx = TwipsToPx(kIntroFirstRow * 240);
  const int buttonsTopPx = TwipsToPx(kButtonsTopTwips);
  const double rowsNeeded = static_cast<double>(IntroLines().size()) + 1;
  return FontFitting(base, lines, TwipsToPx(kWidthTwips) - 4,
                     (buttonsTopPx - firstRowPx) / rowsNeeded);
}

}  // namespace tarnwick
