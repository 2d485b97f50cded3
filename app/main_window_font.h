#pragma once

#include <QFont>

namespace tarnwick {

// The font of the main window's canvas: `base`, made smaller only where the opening page would
// otherwise not fit between the title and the buttons. The plot keeps it after Next, so the
// exported plot needs it too to print its labels and note as the window does.
QFont MainWindowCanvasFont(const QFont& base);

}  // namespace tarnwick
