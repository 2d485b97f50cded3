// What the pictures write and how they colour it: a group keeps its colour wherever it moves,
// names never cover each other, a circle, the jump run or the picture's edge, and the top view's
// north arrow points where north is. The load is flown for real, eight groups in a crosswind.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "load/load_flight.h"
#include "load/load_model.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/group_labels.h"
#include "load_pictures/north_arrow.h"
#include "load_pictures/side_view.h"
#include "load_pictures/top_view.h"
#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {
namespace {

const std::vector<std::string> kEightNames = {"Belly 1",     "Belly 2",  "Freefly",
                                              "Tandem",      "Wingsuit", "AFF + 2 instructors",
                                              "Hop and pop", "Student"};

// Eight groups 8 s apart on a jump run flown west, 25 kt from 300 aloft and 10 kt from 250
// below 6000 ft: the openings spread along and across the jump run.
load::Load EightGroups() {
  load::Load load;
  load.jumpRunHeading = 270;
  load::WindLayer upper;
  upper.above = 6000;
  upper.wind = load::DirectedWind{25, 300};
  load::WindLayer lower;
  lower.wind = load::DirectedWind{10, 250};
  load.winds = {upper, lower};
  for (const std::string& name : kEightNames) {
    load::Group group;
    group.name = name;
    group.delay = 8;
    load.groups.push_back(group);
  }
  load.groups[2].fallRate.kind = load::FallRate::Kind::Fast;
  load.groups[4].fallRate.kind = load::FallRate::Kind::DragArea;
  load.groups[4].fallRate.dragArea = 9;
  load.groups[6].openingAltitude = 5000;
  return load;
}

LoadTracks TracksOf(const load::Load& load) {
  return TracksOfFlight(load, load::FlyLoad(load, PictureFlightOptions()));
}

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";

struct Rect {
  double left, top, right, bottom;
};

struct Drawn {
  std::vector<Rect> texts;   // every text, in logical pixels
  std::vector<Rect> labels;  // the texts in a group's colour: labels and legend
  std::vector<std::string> labelTexts;
  struct Circle {
    double x, y, r;
  };
  std::vector<Circle> circles;
  struct Segment {
    double x1, y1, x2, y2;
  };
  std::vector<Segment> jumpRun;  // the red lines, and in the top view their line across it
};

Drawn WhatIsDrawn(const Canvas& canvas, const LoadTracks& tracks, bool topView) {
  std::set<Colour> groupColours;
  for (const GroupTrack& g : tracks.groups) groupColours.insert(g.colour);
  Drawn drawn;
  const TextMetrics& m = canvas.Metrics();
  for (const Figure& f : canvas.Figures()) {
    const CanvasScale& s = canvas.Scales()[f.scaleIndex];
    const double x = canvas.ToPixelX(s, f.x1), y = canvas.ToPixelY(s, f.y1);
    if (f.kind == Figure::Kind::Text) {
      const std::string& text = canvas.Texts()[f.textIndex];
      const Rect r{x, y, x + m.TextWidthPx(text), y + m.LineHeightPx()};
      drawn.texts.push_back(r);
      if (groupColours.count(f.colour) != 0) {
        drawn.labels.push_back(r);
        drawn.labelTexts.push_back(text);
      }
    } else if (f.kind == Figure::Kind::Circle) {
      drawn.circles.push_back({x, y, std::fabs(canvas.ToPixelX(s, f.x1 + f.x2) - x)});
    } else if (f.kind == Figure::Kind::Line && f.colour == kRed) {
      drawn.jumpRun.push_back({x, y, canvas.ToPixelX(s, f.x2), canvas.ToPixelY(s, f.y2)});
      // Seen from above, the jump run's whole line crosses the picture.
      if (topView) drawn.jumpRun.push_back({0, y, canvas.ClientWidthPx(), y});
    }
  }
  return drawn;
}

// Rects that share no more than an edge (to a rounding of single precision) do not overlap.
bool Overlap(const Rect& a, const Rect& b) {
  constexpr double kTouch = 0.01;
  return a.left + kTouch < b.right && b.left + kTouch < a.right && a.top + kTouch < b.bottom &&
         b.top + kTouch < a.bottom;
}

// A label may lie wholly outside a circle or wholly inside it (a name inside its own wide
// target circle), never across its outline nor over a small mark.
bool AcrossCircle(const Rect& r, const Drawn::Circle& c) {
  const double nx = std::clamp(c.x, r.left, r.right), ny = std::clamp(c.y, r.top, r.bottom);
  const bool touches = std::hypot(nx - c.x, ny - c.y) < c.r;
  const double fx = std::max(std::fabs(r.left - c.x), std::fabs(r.right - c.x));
  const double fy = std::max(std::fabs(r.top - c.y), std::fabs(r.bottom - c.y));
  const bool inside = std::hypot(fx, fy) <= c.r;
  return touches && !inside;
}

// Walks the segment in steps of a tenth of a pixel.
bool LineThrough(const Drawn::Segment& s, const Rect& r) {
  const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
  const int steps = std::max(1, static_cast<int>(length * 10));
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    const double x = s.x1 + t * (s.x2 - s.x1), y = s.y1 + t * (s.y2 - s.y1);
    if (x > r.left && x < r.right && y > r.top && y < r.bottom) return true;
  }
  return false;
}

void ExpectReadableLabels(const Canvas& canvas, const LoadTracks& tracks, bool topView) {
  const Drawn drawn = WhatIsDrawn(canvas, tracks, topView);
  const char* view = topView ? "top view" : "side view";
  SCOPED_TRACE(view);
  // Every group is named: by its label, or by its entry in the legend.
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const std::string& name = tracks.groups[k].name;
    const std::string entry = std::to_string(k + 1) + " " + name;
    const bool named =
        std::any_of(drawn.labelTexts.begin(), drawn.labelTexts.end(), [&](const std::string& text) {
          if (text == name || text == entry) return true;
          // Shortened: the start of the name or of its legend entry, and an ellipsis.
          const std::size_t cut = text.rfind(kEllipsis);
          return cut != std::string::npos && cut + kEllipsis.size() == text.size() && cut > 2 &&
                 (entry.compare(0, cut, text, 0, cut) == 0 ||
                  name.compare(0, cut, text, 0, cut) == 0);
        });
    EXPECT_TRUE(named) << name;
  }
  for (std::size_t i = 0; i < drawn.labels.size(); ++i) {
    const Rect& r = drawn.labels[i];
    const std::string& text = drawn.labelTexts[i];
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= canvas.ClientWidthPx() &&
                r.bottom <= canvas.ClientHeightPx())
        << text << " leaves the picture";
    for (const Rect& other : drawn.texts) {
      if (&other == &r || (other.left == r.left && other.top == r.top)) continue;
      EXPECT_FALSE(Overlap(r, other)) << text << " covers another text";
    }
    for (const Drawn::Circle& c : drawn.circles) {
      EXPECT_FALSE(AcrossCircle(r, c)) << text << " lies across a circle";
    }
    for (const Drawn::Segment& s : drawn.jumpRun) {
      EXPECT_FALSE(LineThrough(s, r)) << text << " lies across the jump run";
    }
  }
}

TEST(PictureLabels, EightGroupsAreNamedClearOfEachOtherOfCirclesAndOfTheJumpRun) {
  const LoadTracks tracks = TracksOf(EightGroups());
  // The window's default view size, a wide briefing picture and a small, crowded one.
  for (const auto& [w, h] : {std::pair{480.0, 320.0}, {720.0, 260.0}, {360.0, 240.0}}) {
    SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
    Canvas side;
    side.SetClientSizePx(w, h);
    DrawLoadSideView(side, tracks);
    ExpectReadableLabels(side, tracks, false);
    Canvas top;
    top.SetClientSizePx(w, h);
    DrawLoadTopView(top, tracks);
    ExpectReadableLabels(top, tracks, true);
  }
}

TEST(PictureLabels, ALongNameEndsInAnEllipsis) {
  // The headless metrics: 7 px a byte, so 150 px hold 21 bytes; the ellipsis takes three, and
  // "Wingsuit formation" (18) is the longest start that fits with it, its space dropped.
  const TextMetrics metrics;
  EXPECT_EQ(Elided(metrics, "Wingsuit formation team", 150), "Wingsuit formation\xE2\x80\xA6");
  EXPECT_EQ(Elided(metrics, "Tandem", 150), "Tandem");
  // A character of several bytes goes whole: never half of a UTF-8 sequence.
  EXPECT_EQ(Elided(metrics, "Caf\xC3\xA9 crew", 42), "Caf\xE2\x80\xA6");
}

TEST(GroupColours, AGroupKeepsItsColourWhereverItMoves) {
  const std::vector<Colour> given = GroupColours(kEightNames);
  // Eight names, eight colours.
  EXPECT_EQ(std::set<Colour>(given.begin(), given.end()).size(), 8u);
  // The order reversed and rotated: each name keeps its colour.
  std::vector<std::string> reversed(kEightNames.rbegin(), kEightNames.rend());
  const std::vector<Colour> after = GroupColours(reversed);
  for (std::size_t k = 0; k < kEightNames.size(); ++k) {
    EXPECT_EQ(after[kEightNames.size() - 1 - k], given[k]) << kEightNames[k];
  }
  std::vector<std::string> rotated(kEightNames.begin() + 3, kEightNames.end());
  rotated.insert(rotated.end(), kEightNames.begin(), kEightNames.begin() + 3);
  const std::vector<Colour> moved = GroupColours(rotated);
  for (std::size_t k = 0; k < rotated.size(); ++k) {
    EXPECT_EQ(moved[k], given[(k + 3) % kEightNames.size()]) << rotated[k];
  }
  // Two groups of one name still differ; sixteen groups use every colour twice.
  const std::vector<Colour> twins = GroupColours({"Belly", "Belly"});
  EXPECT_NE(twins[0], twins[1]);
  std::vector<std::string> sixteen;
  for (int k = 1; k <= 16; ++k) sixteen.push_back("Group " + std::to_string(k));
  const std::vector<Colour> many = GroupColours(sixteen);
  for (const Colour c : std::set<Colour>(many.begin(), many.end())) {
    EXPECT_EQ(std::count(many.begin(), many.end(), c), 2);
  }
}

TEST(NorthArrow, NorthLiesTheHeadingAnticlockwiseOfTheDirectionOfFlight) {
  // By hand: flying north, north is straight ahead; flying east it is on the left (across < 0);
  // flying south it is behind; flying west on the right; flying north-east it is 45 degrees
  // to the left of ahead.
  const struct {
    double heading, along, across;
  } cases[] = {{0, 1, 0}, {90, 0, -1}, {180, -1, 0}, {270, 0, 1}, {45, 0.70711, -0.70711}};
  for (const auto& c : cases) {
    const TrackDirection north = NorthInTrack(c.heading);
    EXPECT_NEAR(north.along, c.along, 1e-5) << c.heading;
    EXPECT_NEAR(north.across, c.across, 1e-5) << c.heading;
  }
}

// The arrow's direction on the screen: from the far end of its shaft to the "N".
std::pair<double, double> ArrowOnScreen(const Canvas& canvas) {
  double nx = 0, ny = 0;
  bool found = false;
  for (const Figure& f : canvas.Figures()) {
    if (f.kind != Figure::Kind::Text || canvas.Texts()[f.textIndex] != "N") continue;
    const CanvasScale& s = canvas.Scales()[f.scaleIndex];
    nx = canvas.ToPixelX(s, f.x1) + canvas.Metrics().TextWidthPx("N") / 2;
    ny = canvas.ToPixelY(s, f.y1) + canvas.Metrics().LineHeightPx() / 2;
    found = true;
  }
  if (!found) return {0, 0};
  // The black line end farthest from the "N" within reach of it is the shaft's tail.
  double tailX = nx, tailY = ny, farthest = 0;
  for (const Figure& f : canvas.Figures()) {
    if (f.kind != Figure::Kind::Line || !f.foreground) continue;
    const CanvasScale& s = canvas.Scales()[f.scaleIndex];
    for (const auto& [x, y] : {std::pair{f.x1, f.y1}, {f.x2, f.y2}}) {
      const double px = canvas.ToPixelX(s, x), py = canvas.ToPixelY(s, y);
      const double d = std::hypot(px - nx, py - ny);
      if (d < 3 * canvas.Metrics().LineHeightPx() && d > farthest) {
        farthest = d;
        tailX = px;
        tailY = py;
      }
    }
  }
  return {(nx - tailX) / farthest, (ny - tailY) / farthest};
}

TEST(NorthArrow, TheTopViewPointsNorthWhereTheHeadingPutsIt) {
  LoadTracks tracks = TracksOf(EightGroups());
  // On the screen (x right, y down), with the jump run flown to the right: heading 90 puts
  // north up, 0 to the right, 180 to the left, 270 down.
  const struct {
    double heading, x, y;
  } cases[] = {{90, 0, -1}, {0, 1, 0}, {180, -1, 0}, {270, 0, 1}};
  for (const auto& c : cases) {
    tracks.jumpRunHeading = c.heading;
    Canvas canvas;
    canvas.SetClientSizePx(480, 320);
    DrawLoadTopView(canvas, tracks);
    const auto [x, y] = ArrowOnScreen(canvas);
    EXPECT_NEAR(x, c.x, 0.05) << c.heading;
    EXPECT_NEAR(y, c.y, 0.05) << c.heading;
    ExpectReadableLabels(canvas, tracks, true);
  }
  // Without a heading there is no north to show.
  tracks.jumpRunHeading.reset();
  Canvas canvas;
  canvas.SetClientSizePx(480, 320);
  DrawLoadTopView(canvas, tracks);
  const auto& texts = canvas.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), std::string("N")), 0);
}

}  // namespace
}  // namespace tarnwick
