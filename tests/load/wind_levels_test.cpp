// Wind levels: the interpolation against hand calculations, the flight of levels against the
// layers they stand for, and what a load with levels may hold.
#include <gtest/gtest.h>

#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/wind_profile.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
using Kind = FallRate::Kind;

constexpr double kKnot = 1.688;  // ft/s, the model's knot

Load TwoGroups() {
  Load load;
  load.indicatedAirspeed = 80;
  load.exitAltitude = 13500;
  load.jumpRunHeading = 270;
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Fast, 8, 4000)};
  return load;
}

void ExpectSameFlight(const Load& a, const Load& b) {
  const LoadFlight x = FlyLoad(a), y = FlyLoad(b);
  ASSERT_EQ(x.steps, y.steps);
  EXPECT_EQ(x.aircraftGroundSpeed, y.aircraftGroundSpeed);
  for (std::size_t k = 0; k < x.groups.size(); ++k) {
    EXPECT_EQ(x.groups[k].openingStep, y.groups[k].openingStep);
    EXPECT_EQ(x.groups[k].openingDownrange, y.groups[k].openingDownrange);
    EXPECT_EQ(x.groups[k].openingCrossrange, y.groups[k].openingCrossrange);
  }
  for (std::size_t p = 0; p < x.pairs.size(); ++p) {
    EXPECT_EQ(x.pairs[p].separation, y.pairs[p].separation);
  }
}

TEST(WindLevels, InterpolateComponentsBetweenTheBracketingLevels) {
  // Jump run 270: a wind from 270 is all headwind; one from 180 (the left of the track) blows
  // to the right, cross = -S sin(180 - 270) = +S. Levels given out of order in the list
  // would be sorted by the reader; here the model's order, top down.
  Load load = TwoGroups();
  load.windLevels = {{12000, DirectedWind{40, 270}}, {6000, DirectedWind{20, 180}}};
  struct Case {
    double altitude, headwindKt, crossKt;
  } cases[] = {
      {14000, 40, 0},  // above the highest level: the highest's
      {12000, 40, 0},  // at a level: its own
      {10500, 30, 5},  // a quarter of the way down: 40 + (0 - 40) / 4, 0 + (20 - 0) / 4
      {9000, 20, 10},  // halfway
      {6000, 0, 20},   // at the lowest level
      {1000, 0, 20},   // below the lowest: the lowest's
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.altitude);
    const TrackWind wind = WindAt(load, c.altitude);
    EXPECT_NEAR(wind.headwind, c.headwindKt * kKnot, 1e-9);
    EXPECT_NEAR(wind.cross, c.crossKt * kKnot, 1e-9);
  }
}

TEST(WindLevels, ProfileGivesTheSameWindFromAnyHint) {
  // A falling group's hint only moves down; a hint from elsewhere must not change the wind.
  Load load = TwoGroups();
  load.windLevels = {{12000, Headwind{30}}, {9000, Headwind{10}}, {3000, Headwind{-5}}};
  const WindProfile profile(load);
  for (double altitude : {15000.0, 12000.0, 10000.0, 9000.0, 4000.0, 3000.0, 0.0}) {
    for (WindProfile::Hint hint : {0u, 1u, 2u, 3u, 99u}) {
      EXPECT_EQ(profile.At(altitude, hint).headwind, profile.At(altitude).headwind);
    }
  }
  load.windLevels.clear();
  load.winds = {{9000, Headwind{20}}, {3000, Headwind{10}}, {std::nullopt, Headwind{2}}};
  const WindProfile layers(load);
  for (double altitude : {9000.0, 8999.0, 3000.0, 2999.0}) {
    for (WindProfile::Hint hint : {0u, 2u, 5u}) {
      EXPECT_EQ(layers.At(altitude, hint).headwind, WindAt(load, altitude).headwind);
    }
  }
  // A point on a base belongs to the layer below it (the first whose base is strictly below).
  EXPECT_EQ(WindAt(load, 9000).headwind, 10 * kKnot);
}

TEST(WindLevels, OneLevelFliesAsOneLayerWithThatWind) {
  Load levels = TwoGroups();
  levels.windLevels = {{8000, DirectedWind{25, 300}}};
  Load layers = TwoGroups();
  layers.winds = {{std::nullopt, DirectedWind{25, 300}}};
  ExpectSameFlight(levels, layers);
}

TEST(WindLevels, ConstantHeadwindLevelsFlyAsTheLayer) {
  Load levels = TwoGroups();
  levels.windLevels = {{12000, Headwind{15}}, {7000, Headwind{15}}, {2000, Headwind{15}}};
  Load layers = TwoGroups();
  layers.winds = {{std::nullopt, Headwind{15}}};
  ExpectSameFlight(levels, layers);
}

TEST(WindLevels, LoadProblemRefusesWhatCannotBeFlown) {
  const auto problem = [](auto change) {
    Load load = TwoGroups();
    load.windLevels = {{12000, DirectedWind{40, 270}}, {6000, DirectedWind{20, 180}}};
    change(load);
    return LoadProblem(load).value_or("");
  };
  EXPECT_EQ(problem([](Load&) {}), "");
  EXPECT_EQ(problem([](Load& l) {
              l.winds = {{std::nullopt, Headwind{1}}};
            }),
            "windLevels: a load gives its winds as layers or as levels, not both");
  EXPECT_EQ(problem([](Load& l) { l.windLevels.resize(65, l.windLevels.back()); }),
            "windLevels: at most 64 levels");
  EXPECT_EQ(problem([](Load& l) { l.windLevels[1].altitude = 12000; }),
            "windLevels[1].altitude: levels must stand at distinct altitudes, from the top down");
  EXPECT_EQ(problem([](Load& l) {
              l.windLevels[0].wind = DirectedWind{250.5, 0};
            }),
            "windLevels[0].speed: must lie from 0 to 250 kt");
  EXPECT_EQ(problem([](Load& l) { l.windLevels[0].altitude = 60001; }),
            "windLevels[0].altitude: must lie from 0 to 60000 ft");
  EXPECT_EQ(problem([](Load& l) { l.headingReference = HeadingReference::Magnetic; }),
            "headingReference: a magnetic heading needs magneticVariation");
  EXPECT_EQ(problem([](Load& l) {
              l.dropZone = DropZone{"", 91, 0, 0};
            }),
            "dropZone.latitude: must lie from -90 to 90");
  EXPECT_EQ(problem([](Load& l) {
              l.windLevels.clear();
              l.windSource = WindSource{};
            }),
            "windSource: goes with windLevels only");
}

TEST(WindLevels, MagneticHeadingIsTrueLessTheVariation) {
  Load load = TwoGroups();
  EXPECT_FALSE(MagneticHeadingOf(load).has_value());
  load.magneticVariation = 11;  // 11 degrees east
  EXPECT_EQ(MagneticHeadingOf(load), 259);
  load.jumpRunHeading = 5;
  EXPECT_EQ(MagneticHeadingOf(load), 354);  // 5 - 11 + 360
}

}  // namespace
}  // namespace tarnwick::load
