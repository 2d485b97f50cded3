// The load edits a user makes in the planner's tables. Expected values are worked by hand from
// the rules as a jumpmaster states them (a new group leaves the minimum delay after the one
// before; a gap keeps its delay when groups move; a new layer takes the upper half of the layer
// it splits and blows as it does) and from the unit definitions (a metre is 0.3048 ft, the
// knot 1.688 ft/s, the mile 5280 ft).
#include "load/load_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "load/load_file.h"
#include "load/load_flight.h"
#include "tests/load/edit_outcome_support.h"

namespace tarnwick::load {
namespace {

Load ThreeGroups() {
  Load load;
  load.minimumDelay = 6;
  const char* names[] = {"Belly", "Freefly", "Tandem"};
  const float delays[] = {0, 7, 9};
  for (int i = 0; i < 3; ++i) {
    Group group;
    group.name = names[i];
    group.delay = delays[i];
    load.groups.push_back(group);
  }
  return load;
}

// Three layers in the file's example: 35 kt from 250 above 9000 ft, 12 kt headwind above
// 3000 ft, 5 kt headwind to the ground, on a jump run of 270.
Load ThreeLayers() {
  Load load = ThreeGroups();
  load.exitAltitude = 13500;
  load.jumpRunHeading = 270;
  load.winds = {{9000, DirectedWind{35, 250}}, {3000, Headwind{12}}, {std::nullopt, Headwind{5}}};
  return load;
}

using testing::Made;
using testing::Refusal;

std::vector<std::string> Names(const Load& load) {
  std::vector<std::string> names;
  for (const Group& g : load.groups) names.push_back(g.name);
  return names;
}

std::vector<float> Delays(const Load& load) {
  std::vector<float> delays;
  for (const Group& g : load.groups) delays.push_back(g.delay);
  return delays;
}

double HeadwindOf(const WindLayer& layer) {
  return std::get<Headwind>(layer.wind).component;
}

TEST(LoadEdits, ANewGroupFollowsTheSelectedOneAtTheMinimumDelayWithAFreeName) {
  const EditedLoad after = Made(InsertGroup(ThreeGroups(), 0));
  EXPECT_EQ(Names(after.load), (std::vector<std::string>{"Belly", "Group 4", "Freefly", "Tandem"}));
  EXPECT_EQ(Delays(after.load), (std::vector<float>{0, 6, 7, 9}));
  EXPECT_EQ(after.row, 1u);
  EXPECT_EQ(after.newRowOf, (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(after.load.groups[1].fallRate.kind, FallRate::Kind::Slow);
  EXPECT_EQ(after.load.groups[1].openingAltitude, kDefaultOpeningAltitude);

  // Nothing selected: at the end. "Group 4" and "Group 5" are taken, so the next is 6.
  Load named = after.load;
  named.groups[0].name = "Group 5";
  const EditedLoad last = Made(InsertGroup(named, std::nullopt));
  EXPECT_EQ(last.load.groups.back().name, "Group 6");
  EXPECT_EQ(last.row, 4u);

  // The first group of an empty load has no delay to wait.
  const EditedLoad first = Made(InsertGroup(Load{}, std::nullopt));
  EXPECT_EQ(Names(first.load), (std::vector<std::string>{"Group 1"}));
  EXPECT_EQ(first.load.groups[0].delay, 0.0f);
}

TEST(LoadEdits, RemovingAGroupKeepsTheOthersAndTheirDelays) {
  const EditedLoad middle = Made(RemoveGroup(ThreeGroups(), 1));
  EXPECT_EQ(Names(middle.load), (std::vector<std::string>{"Belly", "Tandem"}));
  EXPECT_EQ(Delays(middle.load), (std::vector<float>{0, 9}));
  EXPECT_EQ(middle.row, 1u);  // Tandem took its place
  EXPECT_EQ(middle.newRowOf, (std::vector<int>{0, -1, 1}));

  // The group that now leaves first has no delay; the last removed leaves the row above.
  const EditedLoad first = Made(RemoveGroup(ThreeGroups(), 0));
  EXPECT_EQ(Delays(first.load), (std::vector<float>{0, 9}));
  EXPECT_EQ(Made(RemoveGroup(ThreeGroups(), 2)).row, 1u);
  Load one = ThreeGroups();
  one.groups.resize(1);
  EXPECT_FALSE(Made(RemoveGroup(one, 0)).row);

  EXPECT_EQ(Refusal(RemoveGroup(ThreeGroups(), 3)), "There is no group 4");
}

TEST(LoadEdits, MovingAGroupChangesTheOrderAndEachGapKeepsItsDelay) {
  // Tandem to the front: the gaps 0, 7, 9 stay in their places.
  const EditedLoad front = Made(MoveGroup(ThreeGroups(), 2, 0));
  EXPECT_EQ(Names(front.load), (std::vector<std::string>{"Tandem", "Belly", "Freefly"}));
  EXPECT_EQ(Delays(front.load), (std::vector<float>{0, 7, 9}));
  EXPECT_EQ(front.row, 0u);
  EXPECT_EQ(front.newRowOf, (std::vector<int>{1, 2, 0}));

  const EditedLoad down = Made(MoveGroup(ThreeGroups(), 0, 1));
  EXPECT_EQ(Names(down.load), (std::vector<std::string>{"Freefly", "Belly", "Tandem"}));
  EXPECT_EQ(down.newRowOf, (std::vector<int>{1, 0, 2}));

  EXPECT_EQ(Refusal(MoveGroup(ThreeGroups(), 1, 3)), "There is no group 4");
}

TEST(LoadEdits, ANewLayerSplitsTheSelectedOneHalfwayAndBlowsAsItDoes) {
  const Load before = ThreeLayers();
  // Above the middle layer: halfway between 9000 and 3000 ft, blowing 12 kt against.
  const EditedLoad middle = Made(InsertWindLayer(before, 1));
  ASSERT_EQ(middle.load.winds.size(), 4u);
  EXPECT_EQ(middle.load.winds[1].above, 6000);
  EXPECT_EQ(HeadwindOf(middle.load.winds[1]), 12);
  EXPECT_EQ(middle.load.winds[2].above, 3000);
  EXPECT_EQ(middle.row, 1u);
  EXPECT_EQ(middle.newRowOf, (std::vector<int>{0, 2, 3}));

  // The top layer splits between the exit (13500) and 9000 ft: 11250 ft, 35 kt from 250.
  const EditedLoad top = Made(InsertWindLayer(before, 0));
  EXPECT_EQ(top.load.winds[0].above, 11250);
  const auto& directed = std::get<DirectedWind>(top.load.winds[0].wind);
  EXPECT_EQ(directed.speed, 35);
  EXPECT_EQ(directed.from, 250);

  // Nothing selected: the ground layer splits between 3000 ft and the ground.
  const EditedLoad ground = Made(InsertWindLayer(before, std::nullopt));
  EXPECT_EQ(ground.load.winds[2].above, 1500);
  EXPECT_EQ(HeadwindOf(ground.load.winds[2]), 5);
  EXPECT_FALSE(ground.load.winds[3].above);

  // Splitting a layer changes nothing that is flown.
  for (const EditedLoad* edited : {&middle, &top, &ground}) {
    const LoadFlight was = FlyLoad(before);
    const LoadFlight is = FlyLoad(edited->load);
    for (std::size_t k = 0; k < was.groups.size(); ++k) {
      EXPECT_EQ(is.groups[k].openingDownrange, was.groups[k].openingDownrange);
      EXPECT_EQ(is.groups[k].openingCrossrange, was.groups[k].openingCrossrange);
      EXPECT_EQ(is.groups[k].fallTime, was.groups[k].fallTime);
    }
  }

  // A load without winds gets a calm ground layer: calm air, as before.
  const EditedLoad first = Made(InsertWindLayer(ThreeGroups(), std::nullopt));
  ASSERT_EQ(first.load.winds.size(), 1u);
  EXPECT_FALSE(first.load.winds[0].above);
  EXPECT_EQ(HeadwindOf(first.load.winds[0]), 0);
}

TEST(LoadEdits, ANewLayersBaseIsAWholeStepOfTheAltitudeUnit) {
  Load load = ThreeLayers();
  load.winds[0].above = 9001;  // halfway to 3000 ft is 6000.5 ft: 6001 ft, half away from 0
  EXPECT_EQ(Made(InsertWindLayer(load, 1)).load.winds[1].above, 6001);

  // In metres: 13500 ft and 9000 ft are 4114.8 m and 2743.2 m, halfway 3429 m exactly; between
  // 9000 ft and 3000 ft (914.4 m) it is 1828.8 m, taken as 1829 m.
  load = ThreeLayers();
  load.units.altitude = LengthUnit::Metres;
  EXPECT_DOUBLE_EQ(*Made(InsertWindLayer(load, 0)).load.winds[0].above, 3429 / 0.3048);
  EXPECT_DOUBLE_EQ(*Made(InsertWindLayer(load, 1)).load.winds[1].above, 1829 / 0.3048);

  // A layer one foot thick has no room for another base.
  load = ThreeLayers();
  load.winds[0].above = 3001;
  EXPECT_EQ(Refusal(InsertWindLayer(load, 1)), "Layer 2 is too thin to split");
}

TEST(LoadEdits, RemovingALayerLeavesItsBandToTheLayerBelowOrTheGroundToTheLayerAbove) {
  const EditedLoad middle = Made(RemoveWindLayer(ThreeLayers(), 1));
  ASSERT_EQ(middle.load.winds.size(), 2u);
  EXPECT_EQ(middle.load.winds[0].above, 9000);
  EXPECT_FALSE(middle.load.winds[1].above);  // 5 kt now blows from 9000 ft to the ground
  EXPECT_EQ(HeadwindOf(middle.load.winds[1]), 5);
  EXPECT_EQ(middle.newRowOf, (std::vector<int>{0, -1, 1}));

  const EditedLoad ground = Made(RemoveWindLayer(ThreeLayers(), 2));
  ASSERT_EQ(ground.load.winds.size(), 2u);
  EXPECT_FALSE(ground.load.winds[1].above);  // 12 kt now reaches the ground
  EXPECT_EQ(HeadwindOf(ground.load.winds[1]), 12);
  EXPECT_EQ(ground.row, 1u);

  EXPECT_EQ(Refusal(RemoveWindLayer(ThreeLayers(), 3)), "There is no wind layer 4");
}

TEST(LoadEdits, ALayerGivenTheOtherWayKeepsItsWindAlongTheJumpRun) {
  Load load = ThreeLayers();
  load.jumpRunHeading = 90;
  load.winds[0].wind = DirectedWind{20, 270};  // straight from behind: cos 180 deg = -1
  const EditedLoad behind = Made(GiveWindAs(load, 0, WindGiven::AsHeadwind));
  EXPECT_EQ(HeadwindOf(behind.load.winds[0]), -20);
  EXPECT_EQ(behind.row, 0u);

  // 35 kt from 250 on a jump run of 270: 35 cos 20 deg = 32.889 kt, to a tenth 32.9 kt.
  EXPECT_DOUBLE_EQ(
      HeadwindOf(Made(GiveWindAs(ThreeLayers(), 0, WindGiven::AsHeadwind)).load.winds[0]), 32.9);

  // In km/h: 20 kt from 0 on a jump run of 60 is 20 cos 60 deg = 10 kt = 16.88 ft/s, which is
  // 18.52 km/h (a km/h being 1000 / 0.3048 / 3600 ft/s): taken as 19 km/h.
  load.units.speed = SpeedUnit::KilometresPerHour;
  load.jumpRunHeading = 60;
  load.winds[0].wind = DirectedWind{20, 0};
  EXPECT_DOUBLE_EQ(HeadwindOf(Made(GiveWindAs(load, 0, WindGiven::AsHeadwind)).load.winds[0]),
                   19 * 1000 / 0.3048 / 3600 / 1.688);

  // A headwind blows from straight ahead, a tailwind from behind.
  load = ThreeLayers();
  load.jumpRunHeading = 300;
  load.winds[1].wind = Headwind{-12};
  const auto tail = std::get<DirectedWind>(
      Made(GiveWindAs(load, 1, WindGiven::FromDirection)).load.winds[1].wind);
  EXPECT_EQ(tail.speed, 12);
  EXPECT_EQ(tail.from, 120);
  const auto ahead = std::get<DirectedWind>(
      Made(GiveWindAs(load, 2, WindGiven::FromDirection)).load.winds[2].wind);
  EXPECT_EQ(ahead.speed, 5);
  EXPECT_EQ(ahead.from, 300);

  // Given as it already is: nothing changes.
  EXPECT_EQ(HeadwindOf(Made(GiveWindAs(load, 1, WindGiven::AsHeadwind)).load.winds[1]), -12);
}

TEST(LoadEdits, WithoutAHeadingNoLayerChangesHowItIsGiven) {
  Load load = ThreeLayers();
  load.jumpRunHeading.reset();
  EXPECT_NE(Refusal(GiveWindAs(load, 0, WindGiven::AsHeadwind)).find("heading"), std::string::npos);
  EXPECT_NE(Refusal(GiveWindAs(load, 1, WindGiven::FromDirection)).find("heading"),
            std::string::npos);
  EXPECT_EQ(Refusal(GiveWindAs(load, 3, WindGiven::AsHeadwind)), "There is no wind layer 4");
}

TEST(LoadEdits, NewUnitsRoundWhatTheyConvertToTheStepTheyAreEnteredIn) {
  Load load = ThreeLayers();
  load.indicatedAirspeed = 80;
  load.groups[2].fallRate.kind = FallRate::Kind::TerminalSpeed;
  load.groups[2].fallRate.terminalSpeed = 176 / 1.688;  // 120 mph, kept in mph
  load.groups[2].fallRate.unit = SpeedUnit::MilesPerHour;
  Units metric;
  metric.altitude = metric.distance = LengthUnit::Metres;
  metric.speed = SpeedUnit::MetresPerSecond;
  const Load converted = WithUnits(load, metric);
  // 3000 ft = 914.4 m: 914 m; 1000 ft = 304.8 m: 305 m; 13500 ft = 4114.8 m: 4115 m.
  EXPECT_DOUBLE_EQ(converted.groups[0].openingAltitude, 914 / 0.3048);
  EXPECT_DOUBLE_EQ(converted.targetSeparation, 305 / 0.3048);
  EXPECT_DOUBLE_EQ(converted.exitAltitude, 4115 / 0.3048);
  EXPECT_DOUBLE_EQ(*converted.winds[0].above, 2743 / 0.3048);  // 9000 ft = 2743.2 m
  // 80 kt = 135.04 ft/s = 41.160 m/s: 41.2 m/s; 12 kt = 6.174 m/s: 6.2 m/s.
  EXPECT_DOUBLE_EQ(converted.indicatedAirspeed, 41.2 / 0.3048 / 1.688);
  EXPECT_DOUBLE_EQ(HeadwindOf(converted.winds[1]), 6.2 / 0.3048 / 1.688);
  // 35 kt = 18.008 m/s: 18 m/s; the direction is no unit's.
  EXPECT_DOUBLE_EQ(std::get<DirectedWind>(converted.winds[0].wind).speed, 18 / 0.3048 / 1.688);
  EXPECT_EQ(std::get<DirectedWind>(converted.winds[0].wind).from, 250);
  // A terminal speed in a unit of its own keeps it.
  EXPECT_EQ(converted.groups[2].fallRate.terminalSpeed, 176 / 1.688);
  // The spot's: elevation 5500 ft = 1676.4 m: 1676 m; pattern 1000 ft: 305 m; offset -300 ft =
  // -91.44 m: -91 m; a canopy's 20 kt = 10.289 m/s: 10.3 m/s; the sink rate as it was.
  Load spotted = load;
  spotted.dropZone = DropZone{"", std::nullopt, std::nullopt, 5500};
  spotted.jumpRunOffset = -300;
  spotted.groups[1].canopy = Canopy{20, 14};
  const Load spotConverted = WithUnits(spotted, metric);
  EXPECT_DOUBLE_EQ(*spotConverted.dropZone->elevation, 1676 / 0.3048);
  EXPECT_DOUBLE_EQ(spotConverted.patternAltitude, 305 / 0.3048);
  EXPECT_DOUBLE_EQ(spotConverted.jumpRunOffset, -91 / 0.3048);
  EXPECT_DOUBLE_EQ(spotConverted.canopy.airspeed, 10.3 / 0.3048 / 1.688);
  EXPECT_DOUBLE_EQ(spotConverted.groups[1].canopy->airspeed, 10.3 / 0.3048 / 1.688);
  EXPECT_EQ(spotConverted.groups[1].canopy->sinkRate, 14);
  EXPECT_FALSE(spotConverted.groups[0].canopy);
  EXPECT_EQ(converted.units.altitude, LengthUnit::Metres);

  // The file holds the numbers the window shows.
  const std::string text = WriteLoadText(converted);
  for (const char* shown :
       {"\"openingAltitude\": 914.0", "\"targetSeparation\": 305.0", "\"exitAltitude\": 4115.0",
        "\"indicatedAirspeed\": 41.2", "\"headwind\": 6.2", "\"speed\": 18.0"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown << " in\n" << text;
  }

  // Only what changes unit is rounded: in km/h the altitudes stay as they were.
  Units kmh;
  kmh.speed = SpeedUnit::KilometresPerHour;
  const Load fast = WithUnits(load, kmh);
  EXPECT_EQ(fast.groups[0].openingAltitude, 3000);
  EXPECT_EQ(fast.exitAltitude, 13500);
  // 80 kt = 135.04 ft/s = 148.18 km/h: 148 km/h; in mph 92.07: 92.1 mph.
  EXPECT_DOUBLE_EQ(fast.indicatedAirspeed, 148 * 1000 / 0.3048 / 3600 / 1.688);
  Units mph;
  mph.speed = SpeedUnit::MilesPerHour;
  EXPECT_DOUBLE_EQ(WithUnits(load, mph).indicatedAirspeed, 92.1 * 5280 / 3600 / 1.688);
}

TEST(LoadEdits, AFileInMetresWritesBackTheWholeMetresItWasGiven) {
  // 7 m is 22.96587926509186 ft, and that times 0.3048 is 6.999999999999999 in doubles.
  Load load = ThreeGroups();
  load.units.altitude = LengthUnit::Metres;
  load.groups[0].openingAltitude = ToFeet(7, LengthUnit::Metres);
  const std::string text = WriteLoadText(load);
  EXPECT_NE(text.find("\"openingAltitude\": 7.0"), std::string::npos) << text;
}

// A load being built takes every value that is fine in itself before its first group exists;
// only flying or saving it needs a group. A bad value is still refused as LoadProblem names it.
TEST(LoadEdits, ALoadBeingBuiltNeedsNoGroupYet) {
  Load load;
  load.name = "Saturday load 7";
  load.indicatedAirspeed = 85;
  load.exitAltitude = 13500;
  load.jumpRunHeading = 260;
  EXPECT_EQ(DraftLoadProblem(load), std::nullopt);
  EXPECT_EQ(LoadProblem(load), "groups: a load needs at least one group");

  load.jumpRunHeading = 361;
  EXPECT_EQ(DraftLoadProblem(load), "jumpRunHeading: must lie from 0 to 360");
  EXPECT_EQ(LoadProblem(load), DraftLoadProblem(load));

  // With groups the two agree, a group's own problem included.
  load.jumpRunHeading = 260;
  load.groups.push_back(Group{});
  EXPECT_EQ(LoadProblem(load), std::nullopt);
  load.groups[0].openingAltitude = 14000;
  ASSERT_TRUE(DraftLoadProblem(load));
  EXPECT_EQ(LoadProblem(load), DraftLoadProblem(load));
}

}  // namespace
}  // namespace tarnwick::load
