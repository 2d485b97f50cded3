#include "load_pictures/group_labels.h"

#include <algorithm>
#include <cmath>

#include "load_pictures/north_arrow.h"

namespace tarnwick {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
// How far from its point, in lines, a label may be placed.
constexpr double kNameReachLines = 3;
constexpr double kNumberReachLines = 8;

std::string LegendEntry(const LoadTracks& tracks, std::size_t group) {
  return std::to_string(group + 1) + " " + tracks.groups[group].name;
}

}  // namespace

std::string Elided(const TextMetrics& metrics, std::string_view text, double maxPx) {
  if (metrics.TextWidthPx(text) <= maxPx) return std::string(text);
  std::string kept(text);
  while (!kept.empty()) {
    // Drop one whole character: its UTF-8 continuation bytes, then its lead byte.
    while (!kept.empty() && (static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80) {
      kept.pop_back();
    }
    if (!kept.empty()) kept.pop_back();
    while (!kept.empty() && kept.back() == ' ') kept.pop_back();
    const std::string shortened = kept + std::string(kEllipsis);
    if (metrics.TextWidthPx(shortened) <= maxPx) return shortened;
  }
  return std::string(kEllipsis);
}

double LongestLabelPx(const Canvas& canvas, const LoadTracks& tracks) {
  double w = 0;
  for (const GroupTrack& g : tracks.groups) {
    w = std::max(w, canvas.Metrics().TextWidthPx(Elided(canvas.Metrics(), g.name, kMaxLabelPx)));
  }
  return w;
}

GroupLabelling LabelGroups(const Canvas& canvas, const LoadTracks& tracks,
                           const std::vector<LabelledPoint>& points,
                           const std::function<LabelPlacer(bool numbered)>& layOut) {
  const TextMetrics& m = canvas.Metrics();
  const double height = m.LineHeightPx();
  for (const bool numbered : {false, true}) {
    LabelPlacer placer = layOut(numbered);
    const CanvasScale& s = canvas.Scale();
    GroupLabelling labelling;
    labelling.numbered = numbered;
    bool allPlaced = true;
    for (const LabelledPoint& p : points) {
      const std::string text = numbered ? std::to_string(p.group + 1)
                                        : Elided(m, tracks.groups[p.group].name, kMaxLabelPx);
      // A name farther out would seem to label something else; a number may go a little
      // farther, its legend says whose it is.
      const auto box =
          placer.Place(canvas.ToPixelX(s, p.x), canvas.ToPixelY(s, p.y), m.TextWidthPx(text),
                       height, (numbered ? kNumberReachLines : kNameReachLines) * height);
      if (!box) {
        allPlaced = false;
        if (!numbered) break;
        continue;
      }
      labelling.labels.push_back({p.group, text, *box});
    }
    if (allPlaced || numbered) return labelling;
  }
  return {};
}

void DrawGroupLabels(Canvas& canvas, const LoadTracks& tracks, const GroupLabelling& labelling) {
  for (const GroupLabel& label : labelling.labels) {
    PrintAtPixel(canvas, label.box.left, label.box.top, label.text,
                 tracks.groups[label.group].colour);
  }
}

LegendLayout LayOutLegend(const Canvas& canvas, const LoadTracks& tracks, double top, double bottom,
                          double right, double maxWidth) {
  const TextMetrics& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const std::size_t count = std::max<std::size_t>(1, tracks.groups.size());
  LegendLayout legend;
  legend.rows = std::clamp<std::size_t>(static_cast<std::size_t>((bottom - top) / lineH), 1, count);
  const std::size_t columns = (count + legend.rows - 1) / legend.rows;
  legend.entryWidth = std::min(kMaxLabelPx, maxWidth / static_cast<double>(columns) - kLabelGapPx);
  double widest = 0;
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    widest = std::max(widest, m.TextWidthPx(Elided(m, LegendEntry(tracks, k), legend.entryWidth)));
  }
  legend.columnWidth = widest + kLabelGapPx;
  legend.box = {right - legend.columnWidth * static_cast<double>(columns), top, right,
                top + lineH * static_cast<double>(legend.rows)};
  return legend;
}

void DrawLegend(Canvas& canvas, const LoadTracks& tracks, const LegendLayout& legend) {
  const TextMetrics& m = canvas.Metrics();
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const auto column = static_cast<double>(k / legend.rows);
    const auto row = static_cast<double>(k % legend.rows);
    PrintAtPixel(canvas, legend.box.left + kLabelGapPx + column * legend.columnWidth,
                 legend.box.top + row * m.LineHeightPx(),
                 Elided(m, LegendEntry(tracks, k), legend.entryWidth), tracks.groups[k].colour);
  }
}

ViewCorner LayOutViewCorner(const Canvas& canvas, const LoadTracks& tracks, double legendTop) {
  const double width = canvas.ClientWidthPx();
  ViewCorner corner;
  corner.compassSide = tracks.jumpRunHeading ? NorthArrowSidePx(canvas.Metrics()) : 0;
  corner.compass = {width - 2 - corner.compassSide, 2, width - 2, 2 + corner.compassSide};
  corner.legend = LayOutLegend(
      canvas, tracks, tracks.jumpRunHeading ? corner.compass.bottom + kLabelGapPx : legendTop,
      canvas.ClientHeightPx() - 2, width - 2, kMaxMarginShare * width);
  return corner;
}

double ViewCorner::RightMarginPx(const Canvas& canvas, const LoadTracks& tracks,
                                 bool numbered) const {
  const double names =
      std::min(LongestLabelPx(canvas, tracks) / 2, kMaxMarginShare * canvas.ClientWidthPx());
  return std::max(compassSide + 4, numbered ? legend.box.Width() + 4 : names) + kLabelGapPx;
}

void ViewCorner::KeepClear(LabelPlacer& placer, bool hasHeading, bool numbered) const {
  if (hasHeading) placer.AvoidBox(compass);
  if (numbered) placer.AvoidBox(legend.box);
}

void ViewCorner::Draw(Canvas& canvas, const LoadTracks& tracks, bool numbered) const {
  if (numbered) DrawLegend(canvas, tracks, legend);
  if (tracks.jumpRunHeading) DrawNorthArrow(canvas, compass, *tracks.jumpRunHeading);
}

}  // namespace tarnwick
