// The winds picture beside the planner's winds table: its points against the winds as the load
// defines them (a layer holds from its base up; levels are interpolated in their track
// components, so a wind turning between two levels slows in between) and what it draws.
// Expected values are hand calculations: a wind of s kt from D on a jump run H is a headwind
// s cos(D - H) and a crosswind -s sin(D - H), the knot 1.688 ft/s.
#include "load_pictures/wind_profile_picture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace tarnwick {
namespace {

constexpr double kKnot = 1.688;

std::vector<double> Altitudes(const std::vector<ProfilePoint>& points) {
  std::vector<double> altitudes;
  for (const ProfilePoint& p : points) altitudes.push_back(p.altitude);
  return altitudes;
}

double Knots(const ProfilePoint& p) {
  return std::hypot(p.wind.headwind, p.wind.cross) / kKnot;
}

bool Printed(const Canvas& canvas, const std::string& text) {
  for (const std::string& t : canvas.Texts()) {
    if (t == text) return true;
  }
  return false;
}

int LinesOf(const Canvas& canvas, Colour colour) {
  int lines = 0;
  for (const Figure& f : canvas.Figures()) {
    lines += f.kind == Figure::Kind::Line && f.colour == colour ? 1 : 0;
  }
  return lines;
}

TEST(WindProfilePicture, LayersAreStepsAtTheirBases) {
  load::Load load;
  load.jumpRunHeading = 270;
  load.winds = {{9000, load::DirectedWind{35, 250}},
                {3000, load::Headwind{12}},
                {std::nullopt, load::Headwind{5}}};
  const std::vector<ProfilePoint> points = WindProfilePoints(load, 0, 13500, 100);
  EXPECT_EQ(Altitudes(points), (std::vector<double>{13500, 9000, 9000, 3000, 3000, 0}));
  EXPECT_NEAR(points[1].wind.headwind, 35 * std::cos(20 * std::numbers::pi / 180) * kKnot, 1e-9);
  EXPECT_NEAR(points[1].wind.cross, 35 * std::sin(20 * std::numbers::pi / 180) * kKnot, 1e-9);
  EXPECT_DOUBLE_EQ(points[2].wind.headwind, 12 * kKnot);
  EXPECT_DOUBLE_EQ(points[5].wind.headwind, 5 * kKnot);

  // Calm air: calm from the top to the ground.
  EXPECT_EQ(Altitudes(WindProfilePoints(load::Load{}, 0, 13500, 100)),
            (std::vector<double>{13500, 0}));
}

TEST(WindProfilePicture, LevelsAreDotsJoinedByTheInterpolatedWind) {
  // 10 kt from 0 at 12000 ft and 10 kt from 90 at 6000 ft on a jump run of 0: 10 kt against,
  // then 10 kt from the right (a crosswind of -10 kt). Halfway, at 9000 ft, (5, -5) kt: 7.07 kt,
  // not the 10 kt a straight line between the speeds would show.
  load::Load load;
  load.jumpRunHeading = 0;
  load.windLevels = {{12000, load::DirectedWind{10, 0}}, {6000, load::DirectedWind{10, 90}}};
  const std::vector<ProfilePoint> points = WindProfilePoints(load, 0, 14000, 1000);
  EXPECT_EQ(Altitudes(points), (std::vector<double>{14000, 13000, 12000, 11000, 10000, 9000, 8000,
                                                    7000, 6000, 5000, 4000, 3000, 2000, 1000, 0}));
  EXPECT_TRUE(points[2].level);
  EXPECT_TRUE(points[8].level);
  EXPECT_FALSE(points[5].level);
  EXPECT_NEAR(Knots(points[5]), std::sqrt(50.0), 1e-9);
  EXPECT_NEAR(Knots(points[0]), 10, 1e-9);  // above the top level its wind holds
}

TEST(WindProfilePicture, DrawsSpeedAndDirectionWithTheirUnits) {
  load::Load load;
  load.jumpRunHeading = 270;
  load.windLevels = {{12000, load::DirectedWind{30, 270}}, {6000, load::DirectedWind{10, 180}}};
  Canvas canvas;
  canvas.SetClientSizePx(320, 200);
  DrawWindProfile(canvas, load);
  EXPECT_TRUE(Printed(canvas, "ft msl"));
  EXPECT_TRUE(Printed(canvas, "Speed (kt)"));
  EXPECT_GT(LinesOf(canvas, kProfileSpeedColour), 2);
  EXPECT_GT(LinesOf(canvas, kProfileDirectionColour), 2);

  // Headwinds without a heading have no compass direction: the picture says so.
  load::Load headwinds;
  headwinds.units.altitude = load::LengthUnit::Metres;
  headwinds.windLevels = {{6000, load::Headwind{20}}};
  DrawWindProfile(canvas, headwinds);
  EXPECT_TRUE(Printed(canvas, "m msl"));
  EXPECT_TRUE(Printed(canvas, "Directions"));
  EXPECT_EQ(LinesOf(canvas, kProfileDirectionColour), 0);
}

}  // namespace
}  // namespace tarnwick
