// The top view's map of the ground frame against hand calculations: reach circles where the
// canopies' still-air range puts them, the extent that keeps them in sight, the scale bar's
// round lengths, and the side view's ground.
#include "load_pictures/spot_map.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/canvas.h"
#include "load/load_outcome.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/side_view.h"
#include "load_pictures/top_view.h"
#include "load_pictures/tracks_of_flight.h"
#include "load_pictures/view_hits.h"
#include "sim/constants.h"

namespace tarnwick {
namespace {

constexpr double kKnot = model::kFeetPerSecondPerKnot;

// Two groups in calm air over a landing area at 2000 ft msl: Belly opens at 5000 ft msl, Tandem
// (its own canopy, 30 kt and 10 ft/s) at 7000 ft msl; pattern altitude 1000 ft, reach factor
// 0.5, the jump run 800 ft right of the landing area. By hand, with p = 3000 ft msl:
// Belly:  T = (5000 - 3000) / 14 s, R = 0.5 x 20 kt x T;
// Tandem: T = (7000 - 3000) / 10 s, R = 0.5 x 30 kt x T.
// In calm air both circles are centred on the landing area.
load::Load CalmLoad() {
  load::Load load;
  load.jumpRunHeading = 40;
  load.dropZone = load::DropZone{"Meadow", std::nullopt, std::nullopt, 2000};
  load.reachFactor = 0.5;
  load.jumpRunOffset = 800;
  load::Group belly;
  belly.name = "Belly";
  belly.openingAltitude = 5000;
  load::Group tandem;
  tandem.name = "Tandem";
  tandem.openingAltitude = 7000;
  tandem.delay = 8;
  tandem.canopy = load::Canopy{30, 10};
  load.groups = {belly, tandem};
  return load;
}

const double kBellyRadius = 0.5 * 20 * kKnot * (2000.0 / 14);
const double kTandemRadius = 0.5 * 30 * kKnot * (4000.0 / 10);

LoadTracks TracksOf(const load::Load& load) {
  load::LoadRequest request;
  request.spot = true;
  request.flight = PictureFlightOptions();
  const load::LoadOutcome outcome = load::PlanLoad(load, request);
  return TracksOfFlight(outcome.flown, outcome.flight, &*outcome.spot);
}

std::vector<Figure> CirclesOfRadius(const Canvas& canvas, double radius) {
  std::vector<Figure> found;
  for (const Figure& f : canvas.Figures()) {
    if (f.kind == Figure::Kind::Circle && std::fabs(f.x2 - radius) < 1e-3 * radius) {
      found.push_back(f);
    }
  }
  return found;
}

TEST(SpotMap, ReachCirclesAreCentredOnTheLandingAreaWithTheCanopysStillAirRange) {
  const LoadTracks tracks = TracksOf(CalmLoad());
  ASSERT_TRUE(tracks.spot);
  Canvas canvas;
  canvas.SetClientSizePx(900, 600);
  DrawLoadTopView(canvas, tracks);
  const CanvasScale& s = canvas.Scale();
  for (const auto& [radius, colour] : {std::pair{kBellyRadius, tracks.groups[0].colour},
                                       {kTandemRadius, tracks.groups[1].colour}}) {
    const std::vector<Figure> circles = CirclesOfRadius(canvas, radius);
    ASSERT_EQ(circles.size(), 1u) << radius;
    EXPECT_EQ(circles[0].colour, colour);
    EXPECT_NEAR(circles[0].x1, 0, 1e-3);
    EXPECT_NEAR(circles[0].y1, 0, 1e-3);
    // In view coordinates: a circle about the landing area's pixel, as many pixels across as
    // its radius is at the map's one scale both ways; wholly inside the picture.
    const double centreX = canvas.ToPixelX(s, 0), centreY = canvas.ToPixelY(s, 0);
    const double radiusX = canvas.ToPixelX(s, radius) - centreX;
    const double radiusY = canvas.ToPixelY(s, radius) - centreY;
    EXPECT_NEAR(radiusX, radiusY, 1e-6 * radiusX) << "the same scale both ways";
    EXPECT_GT(centreX - radiusX, 0);
    EXPECT_LT(centreX + radiusX, 900);
    EXPECT_GT(centreY - radiusY, 0);
    EXPECT_LT(centreY + radiusY, 600);
  }
  // The map is the ground frame: the jump run 800 ft right of the landing area is lower on
  // the screen, and an opening is found where the map draws it.
  EXPECT_GT(canvas.ToPixelY(s, 800), canvas.ToPixelY(s, 0) + 10);
  const GroupTrack& tandem = tracks.groups[1];
  const TrackPoint& opening = tandem.path[tandem.opening];
  const double x = canvas.ToPixelX(s, tracks.spot->greenLight + opening.along);
  const double y = canvas.ToPixelY(s, 800 + opening.across);
  const auto hit = TopViewOpeningAt(canvas, tracks, x, y, 2);
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->group, 1u);
}

TEST(SpotMap, TheExtentHoldsTheLandingAreaEveryCircleOpeningAndBothLights) {
  LoadTracks tracks;
  tracks.distanceUnit = "ft";
  tracks.spot = SpotMap{-3000, 1200, -700, {{4000, 500, 1500}, {-200, -6000, 900}}};
  const DataRect r = SpotMapExtent(tracks);
  // By hand: x from -3000 (green light) to 5500 (first circle), y from -6900 (second circle)
  // to 2000 (first circle); the landing area (0, 0) lies inside.
  EXPECT_DOUBLE_EQ(r.left, -3000);
  EXPECT_DOUBLE_EQ(r.right, 5500);
  EXPECT_DOUBLE_EQ(r.bottom, -6900);
  EXPECT_DOUBLE_EQ(r.top, 2000);
}

TEST(SpotMap, TheScaleBarIsARoundLengthThatFits) {
  // 7.3 ft a pixel, at most 100 px: 730 ft fit, so 500 ft; 0.2 m a pixel, 160 px: 32 m, so 20.
  EXPECT_DOUBLE_EQ(ScaleBarLength(7.3, 100), 500);
  EXPECT_DOUBLE_EQ(ScaleBarLength(0.2, 160), 20);
  EXPECT_DOUBLE_EQ(ScaleBarLength(10, 100), 1000);
  EXPECT_DOUBLE_EQ(ScaleBarLength(2.4, 100), 200);
}

TEST(SpotMap, TheSideViewStandsOnTheGroundAtTheDropZonesElevation) {
  const LoadTracks tracks = TracksOf(CalmLoad());
  EXPECT_FLOAT_EQ(tracks.groundAltitude, 2000);
  EXPECT_FLOAT_EQ(tracks.patternAltitude, 3000);
  Canvas canvas;
  canvas.SetClientSizePx(800, 500);
  DrawLoadSideView(canvas, tracks);
  int groundLines = 0;
  for (const Figure& f : canvas.Figures()) {
    // Not the altitude axis's tick (black) or faint grid line, which may fall at 2000 ft too.
    if (f.kind == Figure::Kind::Line && f.y1 == 2000 && f.y2 == 2000 && f.colour != kGridGrey &&
        f.colour != 0) {
      ++groundLines;
    }
  }
  EXPECT_EQ(groundLines, 1);
  // The ground is in sight, just above the picture's lower edge.
  const double groundY = canvas.ToPixelY(canvas.Scale(), 2000);
  EXPECT_GT(groundY, 0);
  EXPECT_LT(groundY, 500);
}

}  // namespace
}  // namespace tarnwick
