#include "load_pictures/top_view.h"

#include <algorithm>

#include "canvas/colour.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/label_placer.h"
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

void DrawLoadTopView(Canvas& canvas, const LoadTracks& tracks) {
  canvas.Cls();
  canvas.BackColour = kWhite;
  canvas.ForeColour = 0;
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const double radius = tracks.targetSeparation / 2;

  const Margins margins{m.TextWidthPx("000000") + 12, 2 * lineH + 6,
                        LongestNameWidthPx(canvas, tracks) / 2 + kLabelGapPx, 2 * lineH + 10};
  const DataRect shown = FitScale(canvas, TopExtent(tracks, radius), margins, true);
  const double innerW = canvas.ClientWidthPx() - margins.left - margins.right;
  const double innerH = canvas.ClientHeightPx() - margins.top - margins.bottom;
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

  LabelPlacer labels(canvas);
  const auto pointR = static_cast<float>(UnitsX(canvas, kPointRadiusPx));
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const GroupTrack& g = tracks.groups[k];
    if (g.opening >= g.path.size()) continue;
    const TrackPoint& p = g.path[g.opening];
    canvas.Circle(p.along, p.across, static_cast<float>(radius), GroupColour(k));
    canvas.Circle(p.along, p.across, pointR, GroupColour(k));
    labels.Place(p.along, p.across, g.name, GroupColour(k));
  }
}

}  // namespace tarnwick
