#include "load_pictures/spot_map.h"

#include <algorithm>
#include <cmath>

#include "canvas/colour.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/group_labels.h"
#include "load_pictures/top_view.h"

namespace tarnwick {
namespace {

constexpr double kPointRadiusPx = 2.5;
constexpr double kLightHalfPx = 5;
constexpr double kLandingAreaRadiusPx = 6;
constexpr double kScaleBarMostPx = 160;
constexpr double kScaleTickPx = 4;
constexpr Colour kJumpRunGrey = 0x00A0A0A0u;
constexpr Colour kFlownGrey = 0x00404040u;
constexpr Colour kGreenLight = 0x0000A000u;  // 0x00BBGGRR
constexpr Colour kRedLight = kRed;

PixelBox BoxAround(double x, double y, double half) {
  return {x - half, y - half, x + half, y + half};
}

void Mark(Canvas& canvas, double x, double y, double halfPx, Colour colour) {
  const double hx = UnitsX(canvas, halfPx), hy = std::fabs(UnitsY(canvas, halfPx));
  canvas.FilledBox(static_cast<float>(x - hx), static_cast<float>(y - hy),
                   static_cast<float>(x + hx), static_cast<float>(y + hy), colour);
}

void DrawLandingArea(Canvas& canvas) {
  const auto r = static_cast<float>(UnitsX(canvas, kLandingAreaRadiusPx));
  canvas.Circle(0, 0, r, 0);
  canvas.Line(-r, 0, r, 0, 0);
  const auto ry = static_cast<float>(std::fabs(UnitsY(canvas, kLandingAreaRadiusPx)));
  canvas.Line(0, -ry, 0, ry, 0);
}

// A bar of a round length under the map's lower left corner, with its length written after it.
void DrawScaleBar(Canvas& canvas, const PixelBox& plot, const std::string& unit) {
  const double unitsPerPx = UnitsX(canvas, 1);
  const double length = ScaleBarLength(unitsPerPx, std::min(kScaleBarMostPx, plot.Width() / 3));
  const double lengthPx = length / unitsPerPx;
  const double y = plot.bottom + canvas.Metrics().LineHeightPx() / 2 + 4;
  const double x = plot.left + 4;
  const auto line = [&canvas](double x1, double y1, double x2, double y2) {
    canvas.Line(static_cast<float>(UserX(canvas, x1)), static_cast<float>(UserY(canvas, y1)),
                static_cast<float>(UserX(canvas, x2)), static_cast<float>(UserY(canvas, y2)), 0);
  };
  line(x, y, x + lengthPx, y);
  line(x, y - kScaleTickPx, x, y + kScaleTickPx);
  line(x + lengthPx, y - kScaleTickPx, x + lengthPx, y + kScaleTickPx);
  const std::string text = WholeNumberText(length) + " " + unit;
  PrintAtPixel(canvas, x + lengthPx + 6, y - canvas.Metrics().LineHeightPx() / 2, text, 0);
}

}  // namespace

DataRect SpotMapExtent(const LoadTracks& tracks) {
  const SpotMap& map = *tracks.spot;
  DataRect r{0, 0, 0, 0};  // the landing area
  const auto take = [&r](double x, double y, double pad) {
    r.left = std::min(r.left, x - pad);
    r.right = std::max(r.right, x + pad);
    r.bottom = std::min(r.bottom, y - pad);
    r.top = std::max(r.top, y + pad);
  };
  take(map.greenLight, map.offset, 0);
  take(map.redLight, map.offset, 0);
  for (const ReachCircle& c : map.reaches) take(c.x, c.y, c.radius);
  for (const LabelledPoint& p : TopViewOpenings(tracks)) take(p.x, p.y, 0);
  return r;
}

double ScaleBarLength(double unitsPerPx, double mostPx) {
  const double most = unitsPerPx * mostPx;
  if (!(most > 0) || !std::isfinite(most)) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  for (const double m : {5.0, 2.0, 1.0}) {
    if (m * power <= most) return m * power;
  }
  return power;
}

void DrawSpotMap(Canvas& canvas, const LoadTracks& tracks) {
  canvas.Cls();
  canvas.BackColour = kWhite;
  canvas.ForeColour = 0;
  const SpotMap& map = *tracks.spot;
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const double width = canvas.ClientWidthPx();
  const std::vector<LabelledPoint> openings = TopViewOpenings(tracks);
  DataRect extent = SpotMapExtent(tracks);
  // A little room around the outermost circle, so that no line runs along the edge.
  const double pad = 0.03 * std::max(extent.Width(), extent.Height());
  extent = {extent.left - pad, extent.right + pad, extent.bottom - pad, extent.top + pad};

  const ViewCorner corner = LayOutViewCorner(canvas, tracks, lineH + 6);

  DataRect shown;
  Margins margins;
  PixelBox plot;
  const auto lightBoxes = [&] {
    const CanvasScale& s = canvas.Scale();
    const double y = canvas.ToPixelY(s, map.offset);
    return std::pair{BoxAround(canvas.ToPixelX(s, map.greenLight), y, kLightHalfPx),
                     BoxAround(canvas.ToPixelX(s, map.redLight), y, kLightHalfPx)};
  };
  // A placer that knows the map's marks at its current scale: the group labels and the marks'
  // names keep clear of the same things.
  const auto marksPlacer = [&](bool numbered) {
    const CanvasScale& s = canvas.Scale();
    LabelPlacer placer({plot.left + 1, plot.top, width - 1, plot.bottom - 1});
    corner.KeepClear(placer, tracks.jumpRunHeading.has_value(), numbered);
    const double runY = canvas.ToPixelY(s, map.offset);
    placer.AvoidLine(plot.left, runY, plot.right, runY);
    const auto [green, red] = lightBoxes();
    placer.AvoidBox(green);
    placer.AvoidBox(red);
    placer.AvoidBox(BoxAround(canvas.ToPixelX(s, 0), canvas.ToPixelY(s, 0), kLandingAreaRadiusPx));
    for (const LabelledPoint& p : openings) {
      placer.AvoidDisc(canvas.ToPixelX(s, p.x), canvas.ToPixelY(s, p.y), kPointRadiusPx);
    }
    return placer;
  };
  const GroupLabelling labels = LabelGroups(canvas, tracks, openings, [&](bool numbered) {
    margins = {8, lineH + 6, corner.RightMarginPx(canvas, tracks, numbered), 2 * lineH + 6};
    shown = FitScale(canvas, extent, margins, true, YGrows::Down);
    plot = PlotArea(canvas, margins);
    return marksPlacer(numbered);
  });

  // The jump run across the whole map, the part flown from the green light to the red light
  // darker, and the two lights.
  canvas.Line(static_cast<float>(shown.left), static_cast<float>(map.offset),
              static_cast<float>(shown.right), static_cast<float>(map.offset), kJumpRunGrey);
  canvas.Line(static_cast<float>(map.greenLight), static_cast<float>(map.offset),
              static_cast<float>(map.redLight), static_cast<float>(map.offset), kFlownGrey);
  for (std::size_t k = 0; k < map.reaches.size() && k < tracks.groups.size(); ++k) {
    const ReachCircle& c = map.reaches[k];
    if (c.radius > 0) {
      canvas.Circle(static_cast<float>(c.x), static_cast<float>(c.y), static_cast<float>(c.radius),
                    tracks.groups[k].colour);
    }
  }
  DrawLandingArea(canvas);
  Mark(canvas, map.greenLight, map.offset, kLightHalfPx, kGreenLight);
  Mark(canvas, map.redLight, map.offset, kLightHalfPx, kRedLight);
  const auto pointR = static_cast<float>(UnitsX(canvas, kPointRadiusPx));
  for (const LabelledPoint& p : openings) {
    const Colour colour = tracks.groups[p.group].colour;
    canvas.Circle(static_cast<float>(p.x), static_cast<float>(p.y), pointR, colour);
    canvas.Circle(static_cast<float>(p.x), static_cast<float>(p.y), pointR / 2, colour);
  }
  DrawGroupLabels(canvas, tracks, labels);
  corner.Draw(canvas, tracks, labels.numbered);

  // The marks' names where they find room clear of everything drawn and written.
  LabelPlacer names = marksPlacer(labels.numbered);
  for (const GroupLabel& label : labels.labels) names.AvoidBox(label.box);
  const CanvasScale& s = canvas.Scale();
  const double runY = canvas.ToPixelY(s, map.offset);
  const auto [green, red] = lightBoxes();
  const double landingX = canvas.ToPixelX(s, 0), landingY = canvas.ToPixelY(s, 0);
  const auto name = [&](double x, double y, const std::string& text, Colour colour) {
    const auto place = names.Place(x, y, m.TextWidthPx(text), lineH, 6 * lineH);
    if (place) PrintAtPixel(canvas, place->left, place->top, text, colour);
  };
  name(landingX, landingY, "Landing area", 0);
  name((green.left + green.right) / 2, runY, "Green light", kGreenLight);
  name((red.left + red.right) / 2, runY, "Red light", kRedLight);

  DrawScaleBar(canvas, plot, tracks.distanceUnit);
}

}  // namespace tarnwick
