#include "load_pictures/top_view.h"

#include <algorithm>
#include <cmath>

#include "canvas/colour.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/group_labels.h"
#include "load_pictures/spot_map.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {
namespace {

constexpr double kPointRadiusPx = 2;
constexpr double kAircraftHalfPx = 3;

// The openings with their circles and the jump run.
DataRect TopExtent(const LoadTracks& tracks, double radius) {
  DataRect r{std::min(tracks.firstExitAlong, tracks.lastExitAlong),
             std::max(tracks.firstExitAlong, tracks.lastExitAlong), -radius, radius};
  for (const GroupTrack& g : tracks.groups) {
    if (g.opening >= g.path.size()) continue;
    const TrackPoint& p = g.path[g.opening];
    r.left = std::min(r.left, p.along - radius);
    r.right = std::max(r.right, p.along + radius);
    r.bottom = std::min(r.bottom, p.across - radius);
    r.top = std::max(r.top, p.across + radius);
  }
  return r;
}

}  // namespace

TopPoint TopViewPoint(const LoadTracks& tracks, double along, double across) {
  if (!tracks.spot) return {along, across};
  return {tracks.spot->greenLight + along, tracks.spot->offset + across};
}

std::vector<LabelledPoint> TopViewOpenings(const LoadTracks& tracks) {
  std::vector<LabelledPoint> points;
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const GroupTrack& g = tracks.groups[k];
    if (g.opening >= g.path.size()) continue;
    const TopPoint p = TopViewPoint(tracks, g.path[g.opening].along, g.path[g.opening].across);
    points.push_back({k, p.x, p.y});
  }
  return points;
}

void DrawLoadTopView(Canvas& canvas, const LoadTracks& tracks) {
  if (tracks.spot) {
    DrawSpotMap(canvas, tracks);
    return;
  }
  canvas.Cls();
  canvas.BackColour = kWhite;
  canvas.ForeColour = 0;
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const double width = canvas.ClientWidthPx();
  const double height = canvas.ClientHeightPx();
  const double radius = tracks.targetSeparation / 2;
  const DataRect extent = TopExtent(tracks, radius);
  const std::vector<LabelledPoint> openings = TopViewOpenings(tracks);

  // The north arrow, when the heading is known, sits in the top right corner; a legend, when
  // the names give way to numbers, under it.
  const ViewCorner corner = LayOutViewCorner(canvas, tracks, 2 * lineH + 6);

  // Seen from above, flying from left to right: right of the jump run is down the picture.
  DataRect shown;
  Margins margins;
  const GroupLabelling labels = LabelGroups(canvas, tracks, openings, [&](bool numbered) {
    margins = {m.TextWidthPx("000000") + 12, 2 * lineH + 6,
               corner.RightMarginPx(canvas, tracks, numbered), 2 * lineH + 10};
    shown = FitScale(canvas, extent, margins, true, YGrows::Down);
    const PixelBox plot = PlotArea(canvas, margins);
    const CanvasScale& s = canvas.Scale();
    const double radiusPx = std::fabs(canvas.ToPixelX(s, radius) - canvas.ToPixelX(s, 0));
    LabelPlacer placer({plot.left + 1, plot.top, width - 1, plot.bottom - 1}, radiusPx);
    corner.KeepClear(placer, tracks.jumpRunHeading.has_value(), numbered);
    const double y0 = canvas.ToPixelY(s, 0);
    placer.AvoidLine(plot.left, y0, plot.right, y0);
    placer.AvoidBox(
        {canvas.ToPixelX(s, tracks.lastExitAlong) - kAircraftHalfPx, y0 - kAircraftHalfPx,
         canvas.ToPixelX(s, tracks.lastExitAlong) + kAircraftHalfPx, y0 + kAircraftHalfPx});
    for (const LabelledPoint& p : openings) {
      const double x = canvas.ToPixelX(s, p.x), y = canvas.ToPixelY(s, p.y);
      placer.AvoidDisc(x, y, kPointRadiusPx);
      placer.AvoidRing(x, y, radiusPx);
    }
    return placer;
  });

  const double innerW = width - margins.left - margins.right;
  const double innerH = height - margins.top - margins.bottom;
  // One step both ways, so that the grid is as square as the scale.
  const double step =
      std::max(NiceStep(shown.Width(), std::max(2, static_cast<int>(innerW / 70))),
               NiceStep(shown.Height(), std::max(2, static_cast<int>(innerH / 40))));
  DrawAxes(canvas, shown, step, step,
           {"Along the jump run (" + tracks.distanceUnit + ")",
            "Right of the jump run (" + tracks.distanceUnit + ")"});

  // The jump run's line, and the part the aircraft flew from the first exit to the last.
  canvas.Line(static_cast<float>(shown.left), 0, static_cast<float>(shown.right), 0, kGridGrey);
  canvas.Line(tracks.firstExitAlong, 0, tracks.lastExitAlong, 0, kRed);
  const auto half = static_cast<float>(UnitsX(canvas, kAircraftHalfPx));
  canvas.FilledBox(tracks.lastExitAlong - half, -half, tracks.lastExitAlong + half, half, kRed);

  const auto pointR = static_cast<float>(UnitsX(canvas, kPointRadiusPx));
  for (const LabelledPoint& p : openings) {
    const Colour colour = tracks.groups[p.group].colour;
    canvas.Circle(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(radius),
                  colour);
    canvas.Circle(static_cast<float>(p.x), static_cast<float>(p.y), pointR, colour);
  }
  DrawGroupLabels(canvas, tracks, labels);
  corner.Draw(canvas, tracks, labels.numbered);
}

}  // namespace tarnwick
