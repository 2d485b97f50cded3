#include "load_pictures/side_view.h"

#include <algorithm>
#include <cmath>

#include "canvas/colour.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/group_labels.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {
namespace {

constexpr double kMarkerRadiusPx = 2.5;
constexpr double kOpeningRadiusPx = 4;
constexpr double kAircraftWidthPx = 16;
constexpr double kAircraftHeightPx = 6;
constexpr double kMinSegmentPx = 1.0;         // shorter steps are merged: they mark the same pixel
constexpr Colour kGroundBrown = 0x00B4D2E6u;  // 0x00BBGGRR: a pale earth
constexpr Colour kGroundLine = 0x00305A80u;
constexpr Colour kPatternGrey = 0x00C8C8C8u;
constexpr Colour kPatternTextGrey = 0x00808080u;
constexpr char kPatternText[] = "pattern";

// Where the pattern altitude's name goes: over its line at the right end of the plot.
PixelBox PatternTextBox(const Canvas& canvas, const LoadTracks& tracks, double plotRight) {
  const TextMetrics& m = canvas.Metrics();
  const double y = canvas.ToPixelY(canvas.Scale(), tracks.patternAltitude);
  const double w = m.TextWidthPx(kPatternText);
  return {plotRight - w - 4, y - m.LineHeightPx() - 1, plotRight - 4, y - 1};
}

DataRect SideExtent(const LoadTracks& tracks) {
  DataRect r{std::min(tracks.firstExitAlong, tracks.lastExitAlong),
             std::max(tracks.firstExitAlong, tracks.lastExitAlong), tracks.exitAltitude,
             tracks.exitAltitude};
  for (const GroupTrack& g : tracks.groups) {
    for (const TrackPoint& p : g.path) {
      r.left = std::min<double>(r.left, p.along);
      r.right = std::max<double>(r.right, p.along);
      r.bottom = std::min<double>(r.bottom, p.altitude);
    }
  }
  // A little air around the tracks, down to the ground, and a strip of ground under it.
  r.bottom = std::min<double>(r.bottom, tracks.groundAltitude);
  const double ySpan = std::max(1.0, r.Height());
  r.top += ySpan * 0.04;
  r.bottom = std::max<double>(tracks.groundAltitude - ySpan * 0.03, r.bottom - ySpan * 0.04);
  const double xSpan = std::max(1.0, r.Width());
  r.left -= xSpan * 0.03;
  r.right += xSpan * 0.03;
  return r;
}

void DrawTrack(Canvas& canvas, const GroupTrack& g, Colour colour) {
  const CanvasScale& s = canvas.Scale();
  const auto markerR = static_cast<float>(UnitsX(canvas, kMarkerRadiusPx));
  const TrackPoint* from = nullptr;
  double fromPxX = 0, fromPxY = 0;
  for (std::size_t i = 0; i < g.path.size(); ++i) {
    const TrackPoint& p = g.path[i];
    const double px = canvas.ToPixelX(s, p.along);
    const double py = canvas.ToPixelY(s, p.altitude);
    const bool mustReach = i + 1 == g.path.size() || i == g.opening;
    if (from == nullptr || mustReach || std::hypot(px - fromPxX, py - fromPxY) >= kMinSegmentPx) {
      if (from != nullptr) canvas.Line(from->along, from->altitude, p.along, p.altitude, colour);
      from = &p;
      fromPxX = px;
      fromPxY = py;
    }
    if (p.step % kMarkerSteps == 0) canvas.Circle(p.along, p.altitude, markerR, colour);
  }
}

}  // namespace

void DrawLoadSideView(Canvas& canvas, const LoadTracks& tracks) {
  canvas.Cls();
  canvas.BackColour = kWhite;
  canvas.ForeColour = 0;
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const double width = canvas.ClientWidthPx();
  const double height = canvas.ClientHeightPx();
  const DataRect extent = SideExtent(tracks);

  std::vector<LabelledPoint> openings;
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const GroupTrack& g = tracks.groups[k];
    if (g.opening < g.path.size()) {
      openings.push_back({k, g.path[g.opening].along, g.path[g.opening].altitude});
    }
  }
  const LegendLayout legend =
      LayOutLegend(canvas, tracks, 2 * lineH + 6, height - 2, width - 2, kMaxMarginShare * width);

  DataRect shown;
  Margins margins;
  const GroupLabelling labels = LabelGroups(canvas, tracks, openings, [&](bool numbered) {
    const double right = numbered
                             ? legend.box.Width() + 4
                             : std::min(LongestLabelPx(canvas, tracks), kMaxMarginShare * width);
    margins = {m.TextWidthPx("000000") + 12, 2 * lineH + 6, right + 2 * kLabelGapPx,
               2 * lineH + 10};
    shown = FitScale(canvas, extent, margins, false);
    const PixelBox plot = PlotArea(canvas, margins);
    LabelPlacer placer({plot.left + 1, plot.top, width - 1, plot.bottom - 1});
    if (numbered) placer.AvoidBox(legend.box);
    const CanvasScale& s = canvas.Scale();
    // The jump run and the aircraft, the openings and every 2 s marker.
    const double runY = canvas.ToPixelY(s, tracks.exitAltitude);
    placer.AvoidLine(canvas.ToPixelX(s, tracks.firstExitAlong), runY,
                     canvas.ToPixelX(s, tracks.lastExitAlong), runY);
    const double aircraftX = canvas.ToPixelX(s, tracks.lastExitAlong);
    placer.AvoidBox({aircraftX - kAircraftWidthPx / 2, runY - kAircraftHeightPx / 2,
                     aircraftX + kAircraftWidthPx / 2, runY + kAircraftHeightPx / 2});
    for (const LabelledPoint& p : openings) {
      placer.AvoidDisc(canvas.ToPixelX(s, p.x), canvas.ToPixelY(s, p.y), kOpeningRadiusPx);
    }
    for (const float altitude : {tracks.groundAltitude, tracks.patternAltitude}) {
      const double y = canvas.ToPixelY(s, altitude);
      placer.AvoidLine(plot.left, y, plot.right, y);
    }
    placer.AvoidBox(PatternTextBox(canvas, tracks, plot.right));
    for (const GroupTrack& g : tracks.groups) {
      for (const TrackPoint& p : g.path) {
        if (p.step % kMarkerSteps != 0) continue;
        placer.AvoidDisc(canvas.ToPixelX(s, p.along), canvas.ToPixelY(s, p.altitude),
                         kMarkerRadiusPx);
      }
    }
    return placer;
  });

  const double innerW = width - margins.left - margins.right;
  const double innerH = height - margins.top - margins.bottom;
  const double xStep = NiceStep(shown.Width(), std::max(2, static_cast<int>(innerW / 70)));
  const double yStep = NiceStep(shown.Height(), std::max(2, static_cast<int>(innerH / 40)));
  DrawAxes(
      canvas, shown, xStep, yStep,
      {"Downrange (" + tracks.distanceUnit + ")", "Altitude (" + tracks.altitudeUnit + " msl)"});

  // The ground at the landing area's elevation, and the pattern altitude the canopies must
  // reach it by, lightly.
  const auto left = static_cast<float>(shown.left), right = static_cast<float>(shown.right);
  canvas.Line(left, tracks.patternAltitude, right, tracks.patternAltitude, kPatternGrey);
  const PixelBox patternText = PatternTextBox(canvas, tracks, PlotArea(canvas, margins).right);
  PrintAtPixel(canvas, patternText.left, patternText.top, kPatternText, kPatternTextGrey);
  canvas.FilledBox(left, static_cast<float>(shown.bottom), right, tracks.groundAltitude,
                   kGroundBrown);
  canvas.Line(left, tracks.groundAltitude, right, tracks.groundAltitude, kGroundLine);

  // The jump run, and the aircraft where the last group leaves it.
  canvas.Line(tracks.firstExitAlong, tracks.exitAltitude, tracks.lastExitAlong, tracks.exitAltitude,
              kRed);
  const auto halfW = static_cast<float>(UnitsX(canvas, kAircraftWidthPx / 2));
  const auto halfH = static_cast<float>(UnitsY(canvas, kAircraftHeightPx / 2));
  canvas.FilledBox(tracks.lastExitAlong - halfW, tracks.exitAltitude - halfH,
                   tracks.lastExitAlong + halfW, tracks.exitAltitude + halfH, kRed);

  for (const GroupTrack& g : tracks.groups) DrawTrack(canvas, g, g.colour);
  // The openings and the names last, so that no track covers a name.
  const auto openingR = static_cast<float>(UnitsX(canvas, kOpeningRadiusPx));
  for (const LabelledPoint& p : openings) {
    const Colour colour = tracks.groups[p.group].colour;
    const auto x = static_cast<float>(p.x), y = static_cast<float>(p.y);
    canvas.Circle(x, y, openingR, colour);
    canvas.Circle(x, y, openingR / 2, colour);
  }
  DrawGroupLabels(canvas, tracks, labels);
  if (labels.numbered) DrawLegend(canvas, tracks, legend);
}

}  // namespace tarnwick
