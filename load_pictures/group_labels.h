#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "load_pictures/label_placer.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// The widest a name may be beside its point or in a legend; a longer one is shortened.
inline constexpr double kMaxLabelPx = 150;
// The largest share of a picture's width that its right margin, for names or a legend, takes.
inline constexpr double kMaxMarginShare = 0.3;

// `text`, shortened at its end with an ellipsis until it is at most `maxPx` wide.
std::string Elided(const TextMetrics& metrics, std::string_view text, double maxPx);

// The width of the longest group name as a label writes it (shortened to kMaxLabelPx).
double LongestLabelPx(const Canvas& canvas, const LoadTracks& tracks);

// A group's point in a picture, in the coordinates of the picture's scale.
struct LabelledPoint {
  std::size_t group = 0;
  double x = 0, y = 0;
};

struct GroupLabel {
  std::size_t group = 0;
  std::string text;
  PixelBox box;
};

// What a picture writes beside its groups' points: every name, or, where the names cannot all
// be placed clear of each other and of the picture's marks, each group's number in exit order
// with the names in a legend. A number that finds no free place is left out (the legend and
// the colour still name the group) rather than written over something.
struct GroupLabelling {
  bool numbered = false;
  std::vector<GroupLabel> labels;
};

// Places the labels: `layOut(numbered)` fits the picture's scale for labels by name (false)
// or by number with a legend (true) and returns a placer that knows the picture's marks.
// Names are tried first; the scale `layOut` set last is the one the labels belong to.
GroupLabelling LabelGroups(const Canvas& canvas, const LoadTracks& tracks,
                           const std::vector<LabelledPoint>& points,
                           const std::function<LabelPlacer(bool numbered)>& layOut);

void DrawGroupLabels(Canvas& canvas, const LoadTracks& tracks, const GroupLabelling& labelling);

// A legend of "number name" entries in the groups' colours, in as many columns as the height
// allows, its top-right corner at (right, top) and at most `maxWidth` wide: entries are
// shortened to fit.
struct LegendLayout {
  PixelBox box;
  std::size_t rows = 1;
  double columnWidth = 0;
  double entryWidth = 0;  // the widest an entry may be
};
LegendLayout LayOutLegend(const Canvas& canvas, const LoadTracks& tracks, double top, double bottom,
                          double right, double maxWidth);
void DrawLegend(Canvas& canvas, const LoadTracks& tracks, const LegendLayout& legend);

// The top right corner of a view from above: the north arrow when the heading is known, and
// under it the legend, for when the groups are numbered.
struct ViewCorner {
  double compassSide = 0;  // 0 without a heading
  PixelBox compass;
  LegendLayout legend;

  // The right margin the view leaves for the corner and for the names beside their points:
  // the legend's width when the groups are numbered, else room for half the longest name.
  double RightMarginPx(const Canvas& canvas, const LoadTracks& tracks, bool numbered) const;
  void KeepClear(LabelPlacer& placer, bool hasHeading, bool numbered) const;
  void Draw(Canvas& canvas, const LoadTracks& tracks, bool numbered) const;
};
// The legend starts at `legendTop` when there is no north arrow above it.
ViewCorner LayOutViewCorner(const Canvas& canvas, const LoadTracks& tracks, double legendTop);

}  // namespace tarnwick
