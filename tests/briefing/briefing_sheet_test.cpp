// The briefing sheet's words for a load, worked out by hand from the load's own inputs: the
// calls are the delays rounded up to whole seconds, the numbers in the load's units.
#include "briefing/briefing_sheet.h"

#include <gtest/gtest.h>

#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {
namespace {

load::LoadOutcome Flown(const load::Load& load) {
  load::LoadRequest request;
  request.flight = PictureFlightOptions();
  return load::PlanLoad(load, request);
}

load::Load ThreeGroups() {
  load::Load load;
  load.exitAltitude = 13500;
  load.jumpRunHeading = 270;
  load.winds.resize(2);
  load.winds[0].above = 9000;
  load.winds[0].wind = load::DirectedWind{35, 250};
  load.winds[1].wind = load::Headwind{-5};
  for (const char* name : {"Belly", "Freefly", "Tandem"}) {
    load::Group group;
    group.name = name;
    load.groups.push_back(group);
  }
  load.groups[1].fallRate.kind = load::FallRate::Kind::Fast;
  load.groups[1].delay = 9;
  load.groups[2].fallRate.kind = load::FallRate::Kind::TerminalSpeed;
  load.groups[2].fallRate.terminalSpeed = 176 / 1.688;  // 120 mph: 176 ft/s
  load.groups[2].fallRate.unit = load::SpeedUnit::MilesPerHour;
  load.groups[2].openingAltitude = 5500;
  load.groups[2].delay = 9.7f;
  return load;
}

TEST(BriefingSheet, CallsEveryDelayInWholeSecondsInTheLoadsUnits) {
  const BriefingSheet sheet = MakeBriefingSheet(Flown(ThreeGroups()), "load.json", "today");
  EXPECT_EQ(sheet.title, "load.json");
  EXPECT_EQ(sheet.aircraft, "80 kt indicated, exit at 13500 ft msl, jump run 270 deg");
  ASSERT_EQ(sheet.winds.size(), 2u);
  EXPECT_EQ(sheet.winds[0], "Above 9000 ft: 35 kt from 250 deg");
  EXPECT_EQ(sheet.winds[1], "Down to the ground: tailwind 5 kt");
  EXPECT_EQ(sheet.target, "Target separation 1000 ft, minimum delay 5.0 s");
  ASSERT_EQ(sheet.groups.size(), 3u);
  EXPECT_EQ(sheet.groups[0].call, "first out");
  EXPECT_EQ(sheet.groups[1].call, "9 s");
  EXPECT_EQ(sheet.groups[2].call, "10 s (planned 9.7 s)");
  EXPECT_EQ(sheet.groups[2].fallRate, "120 mph at 6000 ft");
  EXPECT_EQ(sheet.groups[2].opening, "5500 ft");
  EXPECT_EQ(sheet.jumpRun, "Jump run 19 s from the first exit to the last");
  EXPECT_EQ(sheet.pairs.size(), 3u);

  load::Load metric = ThreeGroups();
  metric.units.altitude = metric.units.distance = load::LengthUnit::Metres;
  const BriefingSheet metres = MakeBriefingSheet(Flown(metric), "", "");
  EXPECT_EQ(metres.groups[2].opening, "1676 m");                     // 5500 ft is 1676.4 m
  EXPECT_EQ(metres.target.rfind("Target separation 305 m", 0), 0u);  // 1000 ft is 304.8 m
}

TEST(BriefingSheet, OneGroupHasNoLeastSeparation) {
  load::Load one = ThreeGroups();
  one.groups.resize(1);
  const BriefingSheet sheet = MakeBriefingSheet(Flown(one), "", "");
  EXPECT_TRUE(sheet.pairs.empty());
  EXPECT_EQ(sheet.leastSeparation, "Least separation: none (one group)");
}

}  // namespace
}  // namespace tarnwick
