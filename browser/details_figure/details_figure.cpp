// Draws the details page's figure at build time: the default scenario, run by the simulation and
// painted by the main window's own painter, so the page can never show another model than the
// program's. Usage: tarnwick_details_figure OUTPUT.png
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <cstdio>
#include <string>

#include "app/main_window_font.h"
#include "canvas/canvas.h"
#include "entry/scenario_setup.h"
#include "planner/plot_picture.h"
#include "sim/scenario.h"

namespace {

// The page's sky: dark enough for the white track, light enough for the black axes and labels.
constexpr QRgb kSky = 0x8fa3b8;
constexpr QRgb kInk = 0x000000;

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: tarnwick_details_figure OUTPUT.png\n", stderr);
    return 2;
  }
  // Drawn without a display, whatever the build machine has.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  using namespace tarnwick;
  bool corrected = false;
  Module1 module;
  module.scenario = PrepareScenario("", {}, [&corrected] { corrected = true; });
  if (corrected) {
    std::fputs("tarnwick_details_figure: the default scenario needs correcting\n", stderr);
    return 1;
  }
  QPalette palette = QGuiApplication::palette();
  for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
    palette.setColor(role, kSky);
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(role, kInk);
  }
  const QFont font = MainWindowCanvasFont(QGuiApplication::font());
  Canvas plot;
  RunIntoMainWindowPlot(module, plot, font);
  std::string error;
  if (!WriteCanvasPicture(argv[1], plot, palette, font, error)) {
    std::fprintf(stderr, "tarnwick_details_figure: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
