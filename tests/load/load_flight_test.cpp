#include "load/load_flight.h"

#include <gtest/gtest.h>

#include <cmath>

#include "load/group_step.h"
#include "sim/constants.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
using Kind = FallRate::Kind;

Load Calm(std::vector<Group> groups) {
  Load load;
  load.indicatedAirspeed = 80;
  load.groups = std::move(groups);
  return load;
}

// Closed form, no wind and identical groups: each one's motion after the exit is the same, so
// their deployment points lie the aircraft's travel between their exit steps apart.
void ExpectDeploymentsAtAircraftTravel(const Load& load, const LoadFlight& flight) {
  for (const PairResult& pair : flight.pairs) {
    const long steps = flight.groups[pair.second].exitStep - flight.groups[pair.first].exitStep;
    const double travel = flight.aircraftGroundSpeed * steps * model::kTimeStep;
    EXPECT_NEAR(pair.betweenDeploymentPoints, std::fabs(travel), 0.3)
        << pair.first << "-" << pair.second;
  }
  EXPECT_EQ(flight.pairs.size(), load.groups.size() * (load.groups.size() - 1) / 2);
}

TEST(LoadFlight, ThreeIdenticalGroupsInCalmAirOpenAtTheAircraftsTravelApart) {
  const Load load =
      Calm({GroupOf(Kind::Slow, 0), GroupOf(Kind::Slow, 6), GroupOf(Kind::Slow, 7.5f)});
  const LoadFlight flight = FlyLoad(load);
  // The run's running time is just below 6 after 600 additions: the second leaves in step 601.
  EXPECT_EQ(flight.groups[1].exitStep, 601);
  ExpectDeploymentsAtAircraftTravel(load, flight);
  // All fall alike: the fall times agree to the running time's rounding.
  EXPECT_NEAR(flight.groups[2].fallTime, flight.groups[0].fallTime, 0.011);
  // In calm air a canopy stays where it opened: when the later one opens, the two are as far
  // apart as their deployment points.
  for (const PairResult& pair : flight.pairs) {
    EXPECT_EQ(pair.whenSecondOpens, pair.betweenDeploymentPoints);
  }
}

TEST(LoadFlight, CrosswindChangesNothingBetweenGroupsThatFallAlike) {
  Load load = Calm({GroupOf(Kind::Fast, 0), GroupOf(Kind::Fast, 8)});
  load.jumpRunHeading = 0;
  WindLayer cross;
  cross.wind = DirectedWind{20, 270};  // from the left: blows to the right of the track
  load.winds = {cross};
  const LoadFlight flight = FlyLoad(load);
  // The aircraft crabs: along the track it makes sqrt(TAS^2 - w^2).
  const double w = 20 * model::kFeetPerSecondPerKnot;
  EXPECT_NEAR(flight.aircraftGroundSpeed,
              std::sqrt(flight.trueAirspeed * flight.trueAirspeed - w * w), 1e-9);
  // Both drift alike to the right; their deployment points differ only along the track.
  EXPECT_GT(flight.groups[0].openingCrossrange, 100);
  EXPECT_NEAR(flight.groups[1].openingCrossrange, flight.groups[0].openingCrossrange, 0.3);
  ExpectDeploymentsAtAircraftTravel(load, flight);
}

TEST(LoadFlight, TracksAreSampledAndEndAtTheLastStep) {
  const Load load = Calm({GroupOf(Kind::Slow, 0), GroupOf(Kind::Fast, 5, 4000)});
  FlightOptions options;
  options.trackEvery = 100;
  const LoadFlight flight = FlyLoad(load, options);
  ASSERT_EQ(flight.tracks.size(), 2u);
  EXPECT_EQ(flight.tracks[0].size(), flight.aircraft.size());
  EXPECT_LE(flight.tracks[0].back().altitude, 3000);
  EXPECT_NEAR(flight.tracks[0].back().time, flight.steps * model::kTimeStep, 1e-6);
  // A higher opening: the fast group opens at 4000 ft and its fall is shorter than to 3000.
  EXPECT_TRUE(flight.groups[1].opened);
}

TEST(LoadFlight, EachGroupFliesAsIfAloneBitForBit) {
  // The flight steps the falling groups together and every group aboard as one; each group
  // stepped by itself, aboard until its exit time, must end where the flight puts it.
  Load load;
  load.jumpRunHeading = 270;
  WindLayer top;
  top.above = 9000;
  top.wind = DirectedWind{30, 250};
  WindLayer ground;
  ground.wind = Headwind{8};
  load.winds = {top, ground};
  load.groups = {GroupOf(Kind::Slow, 0, 4000), GroupOf(Kind::Fast, 7), GroupOf(Kind::Slow, 9)};
  const LoadFlight flight = FlyLoad(load);
  const AircraftMotion aircraft = AircraftMotionOf(load);
  const WindProfile winds(load);
  for (std::size_t k = 0; k < load.groups.size(); ++k) {
    GroupState alone = AtTheDoor(load, aircraft);
    double time = 0;
    for (long step = 0; step <= flight.groups[k].openingStep; ++step) {
      StepGroup(alone, winds, load.groups[k], DragAreaOf(load.groups[k].fallRate), aircraft,
                time < flight.groups[k].exitTime);
      time = time + model::kTimeStep;
    }
    EXPECT_EQ(alone.downrange, flight.groups[k].openingDownrange) << "group " << k;
    EXPECT_EQ(alone.crossrange, flight.groups[k].openingCrossrange) << "group " << k;
  }
}

}  // namespace
}  // namespace tarnwick::load
