#include "load_pictures/view_frame.h"

#include <charconv>
#include <cmath>

#include "load_pictures/group_colours.h"
#include "sim/decimal_text.h"

namespace tarnwick {
namespace {

constexpr double kTickPx = 5;
constexpr double kGapPx = 3;

}  // namespace

DataRect FitScale(Canvas& canvas, DataRect data, const Margins& margins, bool sameScale,
                  YGrows yGrows) {
  const double innerW = std::max(1.0, canvas.ClientWidthPx() - margins.left - margins.right);
  const double innerH = std::max(1.0, canvas.ClientHeightPx() - margins.top - margins.bottom);
  if (!(data.Width() > 0)) data.right = data.left + 1;
  if (!(data.Height() > 0)) data.top = data.bottom + 1;
  if (sameScale) {
    const double perPx = std::max(data.Width() / innerW, data.Height() / innerH);
    const double cx = (data.left + data.right) / 2;
    const double cy = (data.bottom + data.top) / 2;
    data = {cx - perPx * innerW / 2, cx + perPx * innerW / 2, cy - perPx * innerH / 2,
            cy + perPx * innerH / 2};
  }
  const double perPxX = data.Width() / innerW;
  const double perPxY = data.Height() / innerH;
  const bool up = yGrows == YGrows::Up;
  canvas.SetUserScale(
      static_cast<float>(data.left - margins.left * perPxX),
      static_cast<float>(up ? data.top + margins.top * perPxY : data.bottom - margins.top * perPxY),
      static_cast<float>(perPxX * canvas.ClientWidthPx()),
      static_cast<float>((up ? -perPxY : perPxY) * canvas.ClientHeightPx()));
  return data;
}

PixelBox PlotArea(const Canvas& canvas, const Margins& margins) {
  return {margins.left, margins.top, canvas.ClientWidthPx() - margins.right,
          canvas.ClientHeightPx() - margins.bottom};
}

double UserX(const Canvas& canvas, double xPx) {
  const double w = canvas.ClientWidthPx();
  const CanvasScale& s = canvas.Scale();
  return w > 0 ? s.left + xPx * s.width / w : s.left;
}

double UserY(const Canvas& canvas, double yPx) {
  const double h = canvas.ClientHeightPx();
  const CanvasScale& s = canvas.Scale();
  return h > 0 ? s.top + yPx * s.height / h : s.top;
}

void PrintAtPixel(Canvas& canvas, double leftPx, double topPx, std::string_view text,
                  Colour colour) {
  canvas.CurrentX = static_cast<float>(UserX(canvas, leftPx));
  canvas.CurrentY = static_cast<float>(UserY(canvas, topPx));
  const Colour saved = canvas.ForeColour;
  canvas.ForeColour = colour;
  canvas.Print(text);
  canvas.ForeColour = saved;
}

double UnitsX(const Canvas& canvas, double px) {
  const double w = canvas.ClientWidthPx();
  return w > 0 ? px * canvas.Scale().width / w : 0.0;
}

double UnitsY(const Canvas& canvas, double px) {
  const double h = canvas.ClientHeightPx();
  return h > 0 ? px * canvas.Scale().height / h : 0.0;
}

double NiceStep(double span, int maxTicks) {
  if (!(span > 0) || maxTicks < 1) return 1;
  const double rough = span / maxTicks;
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  for (const double m : {1.0, 2.0, 5.0, 10.0}) {
    if (m * power >= rough) return m * power;
  }
  return 10 * power;
}

std::vector<double> TicksWithin(double from, double to, double step) {
  std::vector<double> ticks;
  if (!(step > 0)) return ticks;
  for (double k = std::ceil(from / step); k * step <= to + step * 1e-9; ++k) {
    ticks.push_back(k * step == 0 ? 0.0 : k * step);  // no "-0"
  }
  return ticks;
}

std::string WholeNumberText(double value) {
  char buffer[32];
  const long long whole = std::llround(value);
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, whole);
  return std::string(buffer, result.ptr);
}

std::string OneDecimalText(double value) {
  const std::string text = FixedText(value, 1);
  return text == "-0.0" ? "0.0" : text;
}

void PrintAt(Canvas& canvas, double x, double y, double dxPx, double dyPx, std::string_view text) {
  canvas.CurrentX = static_cast<float>(x + UnitsX(canvas, dxPx));
  canvas.CurrentY = static_cast<float>(y + UnitsY(canvas, dyPx));
  canvas.Print(text);
}

void DrawAxes(Canvas& canvas, const DataRect& shown, double xStep, double yStep,
              const AxisTitles& titles) {
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const auto l = static_cast<float>(shown.left);
  const auto r = static_cast<float>(shown.right);
  // The x axis runs along the picture's lower edge, whichever way y grows.
  const bool yDown = canvas.Scale().height > 0;
  const auto b = static_cast<float>(yDown ? shown.top : shown.bottom);
  const auto t = static_cast<float>(yDown ? shown.bottom : shown.top);
  canvas.Line(l, b, r, b);
  canvas.Line(l, b, l, t);

  const auto tickDown = static_cast<float>(UnitsY(canvas, kTickPx));
  for (const double x : TicksWithin(shown.left, shown.right, xStep)) {
    canvas.Line(static_cast<float>(x), b, static_cast<float>(x), b + tickDown);
    const std::string text = WholeNumberText(x);
    PrintAt(canvas, x, b, -m.TextWidthPx(text) / 2, kTickPx + 1, text);
  }
  const auto tickLeft = static_cast<float>(UnitsX(canvas, -kTickPx));
  for (const double y : TicksWithin(shown.bottom, shown.top, yStep)) {
    canvas.Line(l + tickLeft, static_cast<float>(y), l, static_cast<float>(y));
    // A faint line across the picture makes altitudes and distances easy to read off.
    if (yDown ? y < shown.top : y > shown.bottom) {
      canvas.Line(l + static_cast<float>(UnitsX(canvas, 1)), static_cast<float>(y), r,
                  static_cast<float>(y), kGridGrey);
    }
    const std::string text = WholeNumberText(y);
    PrintAt(canvas, l, y, -kTickPx - kGapPx - m.TextWidthPx(text), -lineH / 2, text);
  }
  PrintAt(canvas, r, b, -m.TextWidthPx(titles.x), kTickPx + lineH + 1, titles.x);
  PrintAt(canvas, canvas.Scale().left, t, kGapPx, -1.5 * lineH - kGapPx, titles.y);
}

}  // namespace tarnwick
