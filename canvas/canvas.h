#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/colour.h"

namespace tarnwick {

// How a canvas maps its coordinates onto the client area. A character-cell scale measures
// 120 x 240 twips per cell from the top-left corner; a user scale spans the client area from
// (left, top) to (left + width, top + height), so a negative height makes y grow upward.
struct CanvasScale {
  bool characterCells = true;
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

// Text measurement, in logical pixels, supplied by whoever shows the canvas. The default
// stands in when nothing is shown (headless runs, tests) and uses a fixed cell.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double TextWidthPx(std::string_view text) const;
  virtual double LineHeightPx() const;
};

// One drawn figure in the coordinates of the scale it was drawn in.
struct Figure {
  enum class Kind : std::uint8_t { Line, Box, Circle, Text };
  Kind kind = Kind::Line;
  bool foreground = false;       // drawn in the canvas's foreground colour
  bool continuesText = false;    // Text: starts where the text figure just before it ends
  std::uint16_t scaleIndex = 0;  // into Canvas::Scales()
  float x1 = 0, y1 = 0;          // line start, box corner, circle centre, text top-left
  float x2 = 0, y2 = 0;          // line end, opposite box corner; circle: x2 is the radius
  Colour colour = 0;
  std::uint32_t textIndex = 0;  // into Canvas::Texts() for Kind::Text
  std::uint32_t serial = 0;     // how many figures were added before it since the last Cls
};

// A drawing surface that keeps what is drawn on it as a list of figures, so it can be
// repainted at any time, at any resolution, and inspected by tests. Plain C++: the windows
// render it, the simulation draws into it.
//
// A run that never ends draws for ever, so the list keeps only figures that can still show at
// some client size: a filled box wholly inside a later one, a line or box drawn again
// identically, and a figure lying more than a whole client span outside a user scale's area
// are not kept. None of these changes a pixel of the picture at any size.
class Canvas {
 public:
  Canvas();

  // Client area in logical pixels (15 twips each); the mapping and text metrics depend on it.
  void SetClientSizePx(double widthPx, double heightPx);
  double ClientWidthPx() const { return clientWidthPx_; }
  double ClientHeightPx() const { return clientHeightPx_; }
  void SetTextMetrics(std::shared_ptr<const TextMetrics> metrics);
  const TextMetrics& Metrics() const { return *metrics_; }

  // Scale.
  void SetCharacterScale();
  void SetUserScale(float left, float top, float width, float height);
  const CanvasScale& Scale() const { return scales_.back(); }
  const std::vector<CanvasScale>& Scales() const { return scales_; }

  // Maps a point of scale `s` to logical pixels of the current client area.
  double ToPixelX(const CanvasScale& s, double x) const;
  double ToPixelY(const CanvasScale& s, double y) const;

  // The print position.
  float CurrentX = 0;
  float CurrentY = 0;

  // Drawing operations.
  void Cls();
  void Line(float x1, float y1, float x2, float y2);                 // foreground colour
  void Line(float x1, float y1, float x2, float y2, Colour colour);  // given colour
  void FilledBox(float x1, float y1, float x2, float y2, Colour colour);
  void Circle(float x, float y, float radius, Colour colour);  // radius in x units
  // Prints `text` with its top-left at (CurrentX, CurrentY). Ending the line moves CurrentX to
  // the left edge and CurrentY one text line down; continuing puts CurrentX just behind the text.
  void Print(std::string_view text, bool endLine = true);

  // AutoRedraw is kept as a property; the canvas keeps its drawing whatever its value, so a
  // covered or minimised window always repaints in full.
  bool AutoRedraw = true;
  // Keeps even the figures that later ones hide, to compare a folded picture against.
  bool KeepsHiddenFigures = false;
  Colour BackColour = kButtonFace;
  // The default foreground is drawn in the scheme's text colour on the scheme's button face,
  // so that axes and labels stay legible on a dark scheme.
  Colour ForeColour = kDefaultForeColour;

  const std::vector<Figure>& Figures() const { return figures_; }
  // How many figures were added since the last Cls, kept or not; the serial of the next one.
  std::uint32_t FiguresAdded() const { return added_; }
  const std::vector<std::string>& Texts() const { return texts_; }
  // Incremented by every Cls and every change of scale or client size: a renderer that cached
  // an image of the figures must then render them all again.
  std::uint64_t Generation() const { return generation_; }

  // Called after every change (figure added, cleared, rescaled). Renderers use it to schedule
  // a repaint; it must be cheap because a run draws several figures per step.
  std::function<void()> OnChanged;

 private:
  void Add(const Figure& f);
  bool NeverShows(const Figure& f) const;
  void DropFiguresHiddenBy(const Figure& f);
  void Changed();
  double UnitsPerPxX(const CanvasScale& s) const;
  double UnitsPerPxY(const CanvasScale& s) const;

  double clientWidthPx_;
  double clientHeightPx_;
  std::shared_ptr<const TextMetrics> metrics_;
  std::vector<CanvasScale> scales_;
  std::vector<Figure> figures_;
  std::vector<std::string> texts_;
  std::uint64_t generation_ = 0;
  std::uint32_t added_ = 0;
  // Where a print that did not end its line left the print position; a print that starts
  // there continues that text on screen whatever the client size becomes.
  bool printContinues_ = false;
  float continueX_ = 0;
  float continueY_ = 0;
};

}  // namespace tarnwick
