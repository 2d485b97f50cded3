#pragma once

#include <string>

#include "canvas/canvas.h"
#include "sim/scenario.h"
#include "sim/simulation.h"

class QFont;
class QPalette;

namespace tarnwick {

// Gives `canvas` the main window's plot area and scale (canvas/main_window_layout.h), with text
// measured in `font`, so a run drawn into it lands exactly where the window would draw it.
void SetUpMainWindowPlot(Canvas& canvas, const QFont& font);

// Runs `module`'s scenario into a canvas laid out as the main window's plot, so the picture
// holds the finished plot: frame, tracks, markers, the aircraft where it ended, and the note.
RunOutcome RunIntoMainWindowPlot(Module1& module, Canvas& canvas, const QFont& font);

// Writes what `canvas` shows, as the window paints it with `palette` and `font`, to a PNG or
// SVG file chosen by the extension of `path`; false with a one-line reason in `error`.
bool WriteCanvasPicture(const std::string& path, const Canvas& canvas, const QPalette& palette,
                        const QFont& font, std::string& error);

}  // namespace tarnwick
