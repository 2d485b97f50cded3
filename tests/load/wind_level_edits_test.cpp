// The edits of a load's wind levels and the switch between layers and levels. Expected values
// are worked by hand from the rules the edits state (a new level halfway below the selected
// one with the wind flown there; a layer per level from halfway to its neighbours; two levels
// per base) and from the track components as the layers define them: a wind of s kt from D on
// a jump run H is a headwind s cos(D - H) and a crosswind -s sin(D - H).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "load/load_edits.h"
#include "load/load_flight.h"
#include "tests/load/edit_outcome_support.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
using Kind = FallRate::Kind;

Load WithGroups() {
  Load load;
  load.exitAltitude = 13500;
  load.jumpRunHeading = 270;
  load.groups = {GroupOf(Kind::Slow, 0), GroupOf(Kind::Fast, 8, 4000)};
  return load;
}

// 30 kt from 270 (straight ahead) at 12000 ft, 10 kt from 180 (from the left) at 6000 ft.
Load TwoLevels() {
  Load load = WithGroups();
  load.windLevels = {{12000, DirectedWind{30, 270}}, {6000, DirectedWind{10, 180}}};
  return load;
}

// The example's three layers: 35 kt from 250 above 9000 ft, 12 kt against above 3000 ft,
// 5 kt against to the ground.
Load ThreeLayers() {
  Load load = WithGroups();
  load.winds = {{9000, DirectedWind{35, 250}}, {3000, Headwind{12}}, {std::nullopt, Headwind{5}}};
  return load;
}

using testing::Made;
using testing::Refusal;

std::vector<double> Altitudes(const Load& load) {
  std::vector<double> altitudes;
  for (const WindLevel& level : load.windLevels) altitudes.push_back(level.altitude);
  return altitudes;
}

std::vector<std::optional<double>> Bases(const Load& load) {
  std::vector<std::optional<double>> bases;
  for (const WindLayer& layer : load.winds) bases.push_back(layer.above);
  return bases;
}

void ExpectDirected(const LayerWind& wind, double speed, double from) {
  const auto* directed = std::get_if<DirectedWind>(&wind);
  ASSERT_TRUE(directed);
  EXPECT_DOUBLE_EQ(directed->speed, speed);
  EXPECT_DOUBLE_EQ(directed->from, from);
}

double HeadwindOf(const LayerWind& wind) {
  return std::get<Headwind>(wind).component;
}

TEST(WindLevelEdits, ANewLevelTakesTheWindFlownHalfwayBelowTheSelectedOne) {
  // At 9000 ft the components are halfway: 15 kt against and 5 kt from the left, 15.811 kt
  // (15.8 to the tenth) from 270 + atan2(-5, 15) = 251.57 degrees, 252 whole.
  const EditedLoad between = Made(InsertWindLevel(TwoLevels(), 0));
  EXPECT_EQ(Altitudes(between.load), (std::vector<double>{12000, 9000, 6000}));
  ExpectDirected(between.load.windLevels[1].wind, 15.8, 252);
  EXPECT_EQ(between.row, 1u);
  EXPECT_EQ(between.newRowOf, (std::vector<int>{0, 2}));

  // Below the lowest level (or with none selected): halfway to the ground, which is the drop
  // zone's elevation; below the lowest level its wind holds, so the new one blows as it does.
  Load high = TwoLevels();
  high.dropZone = DropZone{};
  high.dropZone->elevation = 1000;
  const EditedLoad lowest = Made(InsertWindLevel(high, std::nullopt));
  EXPECT_EQ(Altitudes(lowest.load), (std::vector<double>{12000, 6000, 3500}));
  ExpectDirected(lowest.load.windLevels[2].wind, 10, 180);

  // Headwind levels give a headwind level: halfway between 20 and 10 kt is 15 kt, and the load
  // flies as before (the same straight line between 12000 and 6000 ft, in two pieces).
  Load headwinds = WithGroups();
  headwinds.windLevels = {{12000, Headwind{20}}, {6000, Headwind{10}}};
  const EditedLoad split = Made(InsertWindLevel(headwinds, 0));
  EXPECT_EQ(HeadwindOf(split.load.windLevels[1].wind), 15);
  const LoadFlight was = FlyLoad(headwinds), is = FlyLoad(split.load);
  for (std::size_t k = 0; k < was.groups.size(); ++k) {
    EXPECT_NEAR(is.groups[k].openingDownrange, was.groups[k].openingDownrange, 0.01);
  }
}

TEST(WindLevelEdits, LevelsAreAddedRemovedAndMovedOnlyWhereThatMakesSense) {
  Load close = TwoLevels();
  close.windLevels[1].altitude = 11999;  // halfway is 11999.5 ft, 12000 ft rounded
  EXPECT_EQ(Refusal(InsertWindLevel(close, 0)),
            "Level 1 is too close to the level below for a level between them");
  EXPECT_NE(Refusal(InsertWindLevel(ThreeLayers(), 0)).find("switch them to levels"),
            std::string::npos);

  const EditedLoad removed = Made(RemoveWindLevel(TwoLevels(), 0));
  EXPECT_EQ(Altitudes(removed.load), (std::vector<double>{6000}));
  EXPECT_NE(Refusal(RemoveWindLevel(removed.load, 0)).find("keep one level"), std::string::npos);
  EXPECT_EQ(Refusal(RemoveWindLevel(TwoLevels(), 2)), "There is no wind level 3");

  // 6000 ft moved to 15000 ft goes to the top; the other level follows it down.
  const EditedLoad moved = Made(SetWindLevelAltitude(TwoLevels(), 1, 15000));
  EXPECT_EQ(Altitudes(moved.load), (std::vector<double>{15000, 12000}));
  ExpectDirected(moved.load.windLevels[0].wind, 10, 180);
  EXPECT_EQ(moved.row, 0u);
  EXPECT_EQ(moved.newRowOf, (std::vector<int>{1, 0}));
  EXPECT_EQ(Refusal(SetWindLevelAltitude(TwoLevels(), 1, 12000)),
            "Level 1 stands at 12000 ft already");
}

TEST(WindLevelEdits, LayersBecomeTwoLevelsAtEachBaseAndComeBackAsTheyWere) {
  const EditedLoad levels = Made(GiveWindsAs(ThreeLayers(), WindsGiven::Levels));
  EXPECT_TRUE(levels.load.winds.empty());
  EXPECT_EQ(Altitudes(levels.load), (std::vector<double>{9000, 8999, 3000, 2999}));
  ExpectDirected(levels.load.windLevels[0].wind, 35, 250);
  EXPECT_EQ(HeadwindOf(levels.load.windLevels[1].wind), 12);
  EXPECT_EQ(HeadwindOf(levels.load.windLevels[2].wind), 12);
  EXPECT_EQ(HeadwindOf(levels.load.windLevels[3].wind), 5);
  EXPECT_EQ(levels.newRowOf, (std::vector<int>{-1, -1, -1}));

  // The groups open where they did within a foot: the winds differ only on the foot below
  // 9000 ft, where 35 kt from 250 and 12 kt against differ by 35 sin 20 deg = 12 kt across and
  // 35 cos 20 - 12 = 21 kt along (41 ft/s), crossed within two 0.01 s steps: under 1 ft.
  const LoadFlight was = FlyLoad(ThreeLayers()), is = FlyLoad(levels.load);
  for (std::size_t k = 0; k < was.groups.size(); ++k) {
    EXPECT_NEAR(is.groups[k].openingDownrange, was.groups[k].openingDownrange, 1.0);
    EXPECT_NEAR(is.groups[k].openingCrossrange, was.groups[k].openingCrossrange, 1.0);
  }

  // And back: halfway between 9000 and 8999 ft is 8999.5, 9000 rounded half away from zero;
  // the two 12 kt layers merge.
  const EditedLoad layers = Made(GiveWindsAs(levels.load, WindsGiven::Layers));
  EXPECT_EQ(Bases(layers.load), Bases(ThreeLayers()));
  EXPECT_EQ(HeadwindOf(layers.load.winds[1].wind), 12);

  // One layer, or calm air, is one level at the exit altitude.
  Load one = WithGroups();
  one.winds = {{std::nullopt, Headwind{7}}};
  EXPECT_EQ(Altitudes(Made(GiveWindsAs(one, WindsGiven::Levels)).load),
            (std::vector<double>{13500}));
  const EditedLoad calm = Made(GiveWindsAs(WithGroups(), WindsGiven::Levels));
  ASSERT_EQ(calm.load.windLevels.size(), 1u);
  EXPECT_EQ(HeadwindOf(calm.load.windLevels[0].wind), 0);
}

TEST(WindLevelEdits, LevelsBecomeTheNearestLevelsWindBetweenTheHalfwayBases) {
  // A bulletin's levels for an exit at 13500 ft: the 18000 ft level holds from 15000 ft up,
  // wholly above the exit, and is left out with its 120 kt.
  Load load = WithGroups();
  load.windLevels = {{18000, DirectedWind{120, 260}},
                     {12000, DirectedWind{35, 260}},
                     {9000, DirectedWind{30, 250}},
                     {6000, Headwind{12}},
                     {3000, Headwind{12}},
                     {1000, DirectedWind{10, 230}}};
  load.windSource = WindSource{"winds aloft bulletin", "DEN", "", "", "", ""};
  const EditedLoad layers = Made(GiveWindsAs(load, WindsGiven::Layers));
  // Bases halfway: 10500, 7500, 4500 (the two 12 kt levels merge to 2000 ft), 2000 ft.
  EXPECT_EQ(Bases(layers.load),
            (std::vector<std::optional<double>>{10500, 7500, 2000, std::nullopt}));
  ExpectDirected(layers.load.winds[0].wind, 35, 260);
  ExpectDirected(layers.load.winds[3].wind, 10, 230);
  EXPECT_TRUE(layers.load.windLevels.empty());
  EXPECT_FALSE(layers.load.windSource);

  // A flown level faster than a layer may blow is refused, named as the table numbers it.
  load.windLevels[1].wind = DirectedWind{120, 260};
  EXPECT_EQ(Refusal(GiveWindsAs(load, WindsGiven::Layers)),
            "Level 2 blows 120 kt, faster than a layer may (100 kt)");

  // One level is one layer to the ground: the same wind everywhere.
  Load single = WithGroups();
  single.windLevels = {{6000, DirectedWind{20, 300}}};
  const EditedLoad ground = Made(GiveWindsAs(single, WindsGiven::Layers));
  EXPECT_EQ(Bases(ground.load), (std::vector<std::optional<double>>{std::nullopt}));
}

TEST(WindLevelEdits, NewUnitsRoundTheLevelsToo) {
  // 9000 ft is 2743.2 m, kept as 2743 m; 35 kt is 35 x 1.688 x 0.3048 = 18.008 m/s, 18.0.
  Load load = TwoLevels();
  load.windLevels[0] = {9000, DirectedWind{35, 250}};
  Units metric;
  metric.altitude = metric.distance = LengthUnit::Metres;
  metric.speed = SpeedUnit::MetresPerSecond;
  const Load converted = WithUnits(load, metric);
  EXPECT_DOUBLE_EQ(converted.windLevels[0].altitude, 2743 / 0.3048);
  ExpectDirected(converted.windLevels[0].wind, 18.0 / 0.3048 / 1.688, 250);
}

}  // namespace
}  // namespace tarnwick::load
