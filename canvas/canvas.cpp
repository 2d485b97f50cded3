#include "canvas/canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "canvas/main_window_layout.h"
#include "canvas/twips_scale.h"

namespace tarnwick {
namespace {

constexpr double kCellWidthPx = 120.0 / kTwipsPerPixel;
constexpr double kCellHeightPx = 240.0 / kTwipsPerPixel;

// How far back a new figure looks for figures it hides. A step of a run draws a handful of
// figures, so the aircraft's boxes and the tracks of the step before are within reach.
constexpr std::size_t kHiddenLookBack = 16;

struct Bounds {
  float left, right, bottom, top;
};

Bounds BoundsOf(const Figure& f) {
  switch (f.kind) {
    case Figure::Kind::Circle:
      return {f.x1 - std::fabs(f.x2), f.x1 + std::fabs(f.x2), f.y1 - std::fabs(f.x2),
              f.y1 + std::fabs(f.x2)};
    case Figure::Kind::Text:
      return {f.x1, f.x1, f.y1, f.y1};
    default:
      return {std::min(f.x1, f.x2), std::max(f.x1, f.x2), std::min(f.y1, f.y2),
              std::max(f.y1, f.y2)};
  }
}

// A box's pixels run from the floor of its lower corner to the floor of its upper one, at
// any client size, so a box inside another in units is inside it in pixels too.
bool BoxInside(const Figure& inner, const Figure& outer) {
  const Bounds i = BoundsOf(inner);
  const Bounds o = BoundsOf(outer);
  return i.left >= o.left && i.right <= o.right && i.bottom >= o.bottom && i.top <= o.top;
}

bool SameShape(const Figure& a, const Figure& b) {
  return a.kind == b.kind && a.foreground == b.foreground && a.x1 == b.x1 && a.y1 == b.y1 &&
         a.x2 == b.x2 && a.y2 == b.y2 && a.colour == b.colour;
}

}  // namespace

double TextMetrics::TextWidthPx(std::string_view text) const {
  return 7.0 * static_cast<double>(text.size());
}

double TextMetrics::LineHeightPx() const {
  return 16.0;
}

Canvas::Canvas()
    : clientWidthPx_(main_window::kWidthTwips / kTwipsPerPixel),
      clientHeightPx_(main_window::kHeightTwips / kTwipsPerPixel),
      metrics_(std::make_shared<TextMetrics>()),
      scales_{CanvasScale{}} {}

void Canvas::SetClientSizePx(double widthPx, double heightPx) {
  if (widthPx == clientWidthPx_ && heightPx == clientHeightPx_) return;
  clientWidthPx_ = widthPx;
  clientHeightPx_ = heightPx;
  ++generation_;
  Changed();
}

void Canvas::SetTextMetrics(std::shared_ptr<const TextMetrics> metrics) {
  if (metrics) metrics_ = std::move(metrics);
}

void Canvas::SetCharacterScale() {
  if (Scale().characterCells) return;
  scales_.push_back(CanvasScale{});
}

void Canvas::SetUserScale(float left, float top, float width, float height) {
  const CanvasScale s{false, left, top, width, height};
  const CanvasScale& now = Scale();
  if (!now.characterCells && now.left == left && now.top == top && now.width == width &&
      now.height == height) {
    return;
  }
  scales_.push_back(s);
}

double Canvas::UnitsPerPxX(const CanvasScale& s) const {
  if (s.characterCells) return 1.0 / kCellWidthPx;
  return clientWidthPx_ > 0 ? s.width / clientWidthPx_ : 0.0;
}

double Canvas::UnitsPerPxY(const CanvasScale& s) const {
  if (s.characterCells) return 1.0 / kCellHeightPx;
  return clientHeightPx_ > 0 ? s.height / clientHeightPx_ : 0.0;
}

double Canvas::ToPixelX(const CanvasScale& s, double x) const {
  if (s.characterCells) return x * kCellWidthPx;
  return s.width == 0 ? 0.0 : (x - s.left) / s.width * clientWidthPx_;
}

double Canvas::ToPixelY(const CanvasScale& s, double y) const {
  if (s.characterCells) return y * kCellHeightPx;
  return s.height == 0 ? 0.0 : (y - s.top) / s.height * clientHeightPx_;
}

void Canvas::Cls() {
  figures_.clear();
  figures_.shrink_to_fit();
  texts_.clear();
  texts_.shrink_to_fit();
  scales_.erase(scales_.begin(), scales_.end() - 1);
  CurrentX = 0;
  CurrentY = 0;
  added_ = 0;
  printContinues_ = false;
  ++generation_;
  Changed();
}

void Canvas::Add(const Figure& figure) {
  Figure f = figure;
  f.scaleIndex = static_cast<std::uint16_t>(scales_.size() - 1);
  f.serial = added_++;
  if (!KeepsHiddenFigures) {
    if (NeverShows(f)) return;
    DropFiguresHiddenBy(f);
  }
  figures_.push_back(f);
  Changed();
}

// The area of a user scale is the whole client area whatever its size, so a figure more than
// a span beyond it lies more than a client width or height outside in pixels. Text is always
// kept: a continued print needs the text it continues.
bool Canvas::NeverShows(const Figure& f) const {
  const CanvasScale& s = scales_[f.scaleIndex];
  if (s.characterCells || f.kind == Figure::Kind::Text) return false;
  const Bounds b = BoundsOf(f);
  const float spanX = std::fabs(s.width);
  const float spanY = std::fabs(s.height);
  const float areaLeft = std::min(s.left, s.left + s.width);
  const float areaBottom = std::min(s.top, s.top + s.height);
  return b.right < areaLeft - spanX || b.left > areaLeft + 2 * spanX ||
         b.top < areaBottom - spanY || b.bottom > areaBottom + 2 * spanY;
}

// An earlier figure whose every pixel a new one paints over again adds nothing to the picture.
void Canvas::DropFiguresHiddenBy(const Figure& f) {
  if (f.kind != Figure::Kind::Box && f.kind != Figure::Kind::Line) return;
  const std::size_t first =
      figures_.size() > kHiddenLookBack ? figures_.size() - kHiddenLookBack : 0;
  for (std::size_t i = figures_.size(); i-- > first;) {
    const Figure& earlier = figures_[i];
    if (earlier.scaleIndex != f.scaleIndex) continue;
    const bool hidden =
        SameShape(earlier, f) ||
        (f.kind == Figure::Kind::Box && earlier.kind == Figure::Kind::Box && BoxInside(earlier, f));
    if (hidden) figures_.erase(figures_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

void Canvas::Changed() {
  if (OnChanged) OnChanged();
}

void Canvas::Line(float x1, float y1, float x2, float y2) {
  Add(Figure{Figure::Kind::Line, true, false, 0, x1, y1, x2, y2, ForeColour, 0});
}

void Canvas::Line(float x1, float y1, float x2, float y2, Colour colour) {
  Add(Figure{Figure::Kind::Line, false, false, 0, x1, y1, x2, y2, colour, 0});
}

void Canvas::FilledBox(float x1, float y1, float x2, float y2, Colour colour) {
  Add(Figure{Figure::Kind::Box, false, false, 0, x1, y1, x2, y2, colour, 0});
}

void Canvas::Circle(float x, float y, float radius, Colour colour) {
  Add(Figure{Figure::Kind::Circle, false, false, 0, x, y, radius, 0, colour, 0});
}

void Canvas::Print(std::string_view text, bool endLine) {
  const CanvasScale& s = Scale();
  if (!text.empty()) {
    // The text printed just before left the print position here, in this scale: this text
    // goes on where that one ends on screen, which its width in units only approximates once
    // the client size changes.
    const bool continues = printContinues_ && CurrentX == continueX_ && CurrentY == continueY_ &&
                           !figures_.empty() && figures_.back().kind == Figure::Kind::Text &&
                           figures_.back().scaleIndex == scales_.size() - 1;
    texts_.emplace_back(text);
    Add(Figure{Figure::Kind::Text, true, continues, 0, CurrentX, CurrentY, 0, 0, ForeColour,
               static_cast<std::uint32_t>(texts_.size() - 1)});
  }
  if (endLine) {
    CurrentX = s.characterCells ? 0.0f : s.left;
    CurrentY = static_cast<float>(CurrentY + metrics_->LineHeightPx() * UnitsPerPxY(s));
    printContinues_ = false;
  } else {
    CurrentX = static_cast<float>(CurrentX + metrics_->TextWidthPx(text) * UnitsPerPxX(s));
    printContinues_ = !text.empty() || printContinues_;
    continueX_ = CurrentX;
    continueY_ = CurrentY;
  }
}

}  // namespace tarnwick
