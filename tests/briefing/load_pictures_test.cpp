#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/load_tracks.h"
#include "load_pictures/side_view.h"
#include "load_pictures/top_view.h"
#include "load_pictures/view_hits.h"

namespace tarnwick {
namespace {

// Three groups on hand-made straight paths, 10 s each from their exits 5 s apart, sampled every
// 0.1 s; each opens 7.5 s after its exit (off the 2 s marks). Target 1000 ft, so every circle has a
// radius of 500 ft.
LoadTracks ThreeGroups() {
  LoadTracks tracks;
  tracks.exitAltitude = 13500;
  tracks.firstExitAlong = 0;
  tracks.lastExitAlong = 1000;
  tracks.targetSeparation = 1000;
  tracks.distanceUnit = "ft";
  tracks.altitudeUnit = "ft";
  const std::vector<std::string> names = {"Belly", "Freefly", "Tandem"};
  const std::vector<Colour> colours = GroupColours(names);
  for (int k = 0; k < 3; ++k) {
    GroupTrack g;
    g.name = names[k];
    g.colour = colours[k];
    g.exitTime = 5.0 * k;
    for (int i = 1; i <= 100; ++i) {
      TrackPoint p;
      p.step = 500 * k + 10 * i;
      p.time = p.step / 100.0;
      p.along = static_cast<float>(500 * k + 20 * i);
      p.across = static_cast<float>(100 * k);
      p.altitude = static_cast<float>(13500 - 100 * i);
      g.path.push_back(p);
    }
    g.opening = 74;
    tracks.groups.push_back(g);
  }
  return tracks;
}

Canvas SizedCanvas() {
  Canvas canvas;
  canvas.SetClientSizePx(800, 500);
  return canvas;
}

bool Near(float a, float b) {
  return std::abs(a - b) < 1e-3f;
}

TEST(LoadPictures, SideViewDrawsEachGroupAsOneTrackFromItsFirstPointToItsLast) {
  const LoadTracks tracks = ThreeGroups();
  Canvas canvas = SizedCanvas();
  DrawLoadSideView(canvas, tracks);
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    std::vector<Figure> lines;
    for (const Figure& f : canvas.Figures()) {
      if (f.kind == Figure::Kind::Line && !f.foreground && f.colour == tracks.groups[k].colour) {
        lines.push_back(f);
      }
    }
    ASSERT_FALSE(lines.empty()) << "group " << k;
    const GroupTrack& g = tracks.groups[k];
    // One unbroken chain: each segment starts where the one before ended.
    EXPECT_TRUE(Near(lines.front().x1, g.path.front().along));
    EXPECT_TRUE(Near(lines.front().y1, g.path.front().altitude));
    for (std::size_t i = 1; i < lines.size(); ++i) {
      EXPECT_TRUE(Near(lines[i].x1, lines[i - 1].x2) && Near(lines[i].y1, lines[i - 1].y2))
          << "group " << k << " breaks at segment " << i;
    }
    EXPECT_TRUE(Near(lines.back().x2, g.path.back().along));
    EXPECT_TRUE(Near(lines.back().y2, g.path.back().altitude));
  }
}

TEST(LoadPictures, SideViewMarksEveryTwoSecondsOfTheRun) {
  const LoadTracks tracks = ThreeGroups();
  Canvas canvas = SizedCanvas();
  DrawLoadSideView(canvas, tracks);
  // Markers sit where the run's clock is a whole multiple of 2 s, opening rings aside: group 0
  // covers 0.1..10 s (2, 4, 6, 8, 10), group 1 5.1..15 s (6..14) and group 2 10.1..20 s
  // (12..20): five markers each.
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const GroupTrack& g = tracks.groups[k];
    const TrackPoint& opening = g.path[g.opening];
    int markers = 0;
    for (const Figure& f : canvas.Figures()) {
      if (f.kind != Figure::Kind::Circle || f.colour != tracks.groups[k].colour) continue;
      if (Near(f.x1, opening.along) && Near(f.y1, opening.altitude)) continue;
      ++markers;
    }
    EXPECT_EQ(markers, 5) << "group " << k;
  }
}

TEST(LoadPictures, TopViewDrawsOneCircleOfHalfTheTargetAroundEachOpening) {
  const LoadTracks tracks = ThreeGroups();
  Canvas canvas = SizedCanvas();
  DrawLoadTopView(canvas, tracks);
  for (std::size_t k = 0; k < tracks.groups.size(); ++k) {
    const TrackPoint& opening = tracks.groups[k].path[tracks.groups[k].opening];
    int circles = 0;
    for (const Figure& f : canvas.Figures()) {
      if (f.kind == Figure::Kind::Circle && Near(f.x2, 500)) {
        if (f.colour == tracks.groups[k].colour && Near(f.x1, opening.along) &&
            Near(f.y1, opening.across)) {
          ++circles;
        }
      }
    }
    EXPECT_EQ(circles, 1) << "group " << k;
  }
  int allTargetCircles = 0;
  for (const Figure& f : canvas.Figures()) {
    if (f.kind == Figure::Kind::Circle && Near(f.x2, 500)) ++allTargetCircles;
  }
  EXPECT_EQ(allTargetCircles, 3);
}

TEST(LoadPictures, TopViewIsSeenFromAboveWithRightOfTheJumpRunDownThePicture) {
  // Flying from left to right, the right-hand side is towards the bottom of the screen: Tandem,
  // 200 ft right of the jump run, opens lower on the screen than Belly on it, and further to
  // the right since it opens further along. The tooltip finds each where it is drawn.
  const LoadTracks tracks = ThreeGroups();
  Canvas canvas = SizedCanvas();
  DrawLoadTopView(canvas, tracks);
  const CanvasScale& s = canvas.Scale();
  const TrackPoint& belly = tracks.groups[0].path[tracks.groups[0].opening];
  const TrackPoint& tandem = tracks.groups[2].path[tracks.groups[2].opening];
  EXPECT_GT(canvas.ToPixelY(s, tandem.across), canvas.ToPixelY(s, belly.across) + 10);
  EXPECT_GT(canvas.ToPixelX(s, tandem.along), canvas.ToPixelX(s, belly.along) + 10);
  const auto hit = TopViewOpeningAt(canvas, tracks, canvas.ToPixelX(s, tandem.along),
                                    canvas.ToPixelY(s, tandem.across), 3);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->group, 2u);
  // The axis reads as it is drawn: its tick labels grow down the picture.
  std::vector<std::pair<double, double>> ticks;  // value, pixel y
  for (const Figure& f : canvas.Figures()) {
    if (f.kind != Figure::Kind::Text) continue;
    const std::string& text = canvas.Texts()[f.textIndex];
    if (text.empty() || text.find_first_not_of("-0123456789") != std::string::npos) continue;
    const CanvasScale& fs = canvas.Scales()[f.scaleIndex];
    // The left axis's labels: left of the picture and above its lower margin.
    if (canvas.ToPixelX(fs, f.x1) > 80 || canvas.ToPixelY(fs, f.y1) > 500 - 42) continue;
    ticks.emplace_back(std::stod(text), canvas.ToPixelY(fs, f.y1));
  }
  ASSERT_GE(ticks.size(), 2u);
  for (std::size_t i = 1; i < ticks.size(); ++i) {
    EXPECT_EQ(ticks[i].first > ticks[0].first, ticks[i].second > ticks[0].second);
  }
}

}  // namespace
}  // namespace tarnwick
