// The spot against closed forms: calm air, a uniform wind, two layers, a group out of reach
// sideways, a load that only two passes can carry, and positions on the ellipsoid.
#include "load/spot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "load/drift.h"
#include "load/geo_position.h"
#include "load/load_outcome.h"
#include "load/load_report.h"
#include "load/spot_calls.h"
#include "sim/constants.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;

constexpr double kKnot = model::kFeetPerSecondPerKnot;

// One slow group opening at `opening` ft over a landing area at sea level, the default canopy
// (20 kt, 14 ft/s), pattern altitude 1000 ft and reach factor 0.7.
Load OneGroup(double opening, std::vector<WindLayer> winds = {}) {
  Load load;
  load.winds = std::move(winds);
  load.groups = {GroupOf(FallRate::Kind::Slow, 0, opening)};
  return load;
}

Spot SpotOf(const Load& load) {
  LoadRequest request;
  request.spot = true;
  return *PlanLoad(load, request).spot;
}

WindLayer HeadwindLayer(double knots, std::optional<double> above = std::nullopt) {
  return {above, Headwind{knots}};
}

// By hand: T = (3000 - 1000) / 14 s under canopy, R = 0.7 x 20 kt x T.
const double kCanopyTime = 2000.0 / 14;
const double kRadius = 0.7 * 20 * kKnot * kCanopyTime;

TEST(Spot, CalmAirCentresTheReachOnTheLandingAreaAndTheRangeOnTheOpening) {
  const Load load = OneGroup(3000);
  const Spot spot = SpotOf(load);
  const double d = FlyLoad(load).groups[0].openingDownrange;
  ASSERT_EQ(spot.groups.size(), 1u);
  const GroupReach& reach = spot.groups[0];
  EXPECT_NEAR(reach.canopyTime, kCanopyTime, 1e-9);
  EXPECT_DOUBLE_EQ(reach.reachCentreX, 0);
  EXPECT_DOUBLE_EQ(reach.reachCentreY, 0);
  EXPECT_NEAR(reach.reachRadius, kRadius, 1e-9);
  // One group, offset 0: the green lights are [-d - R, -d + R], the best one -d with margin R.
  ASSERT_TRUE(spot.range);
  EXPECT_NEAR(spot.range->from, -d - kRadius, 1e-6);
  EXPECT_NEAR(spot.range->to, -d + kRadius, 1e-6);
  EXPECT_NEAR(spot.greenLight.alongTrack, -d, 1.0);
  EXPECT_NEAR(spot.leastMargin, kRadius, 1.0);
  EXPECT_TRUE(spot.allBack);
  EXPECT_FALSE(spot.farthestOut || spot.split);
  // One group: the red light is the green light.
  EXPECT_DOUBLE_EQ(spot.redLight.alongTrack, spot.greenLight.alongTrack);
}

TEST(Spot, AUniformWindMovesTheReachCentreUpwindByTheWindTimesTheCanopyTime) {
  // 15 kt from 30 degrees to the right of a jump run heading north: a headwind of
  // 15 cos 30 kt and a wind blowing towards the left of the track at 15 sin 30 kt.
  Load load = OneGroup(3000, {{std::nullopt, DirectedWind{15, 30}}});
  load.jumpRunHeading = 0;
  const GroupReach reach = SpotOf(load).groups[0];
  const double speed = 15 * kKnot;
  const double pi = std::acos(-1.0);
  // The canopy drifts with the wind (back along the track and to the left); the place it must
  // open from to get back lies upwind: ahead and to the right.
  EXPECT_NEAR(reach.drift.x, -speed * std::cos(pi / 6) * kCanopyTime, 1e-6);
  EXPECT_NEAR(reach.drift.y, -speed * std::sin(pi / 6) * kCanopyTime, 1e-6);
  EXPECT_NEAR(reach.reachCentreX, speed * std::cos(pi / 6) * kCanopyTime, 1e-6);
  EXPECT_NEAR(reach.reachCentreY, speed * std::sin(pi / 6) * kCanopyTime, 1e-6);
  EXPECT_NEAR(reach.reachRadius, kRadius, 1e-9);
}

TEST(Spot, TwoLayersDriftByEachLayersWindTimesTheTimeSpentInIt) {
  // 10 kt headwind above 2000 ft, 6 kt tailwind below; opening 4000 ft, pattern 1000 ft:
  // 2000 ft in the upper layer and 1000 ft in the lower one at 14 ft/s.
  const Load load = OneGroup(4000, {HeadwindLayer(10, 2000), HeadwindLayer(-6)});
  const double upperTime = 2000.0 / 14, lowerTime = 1000.0 / 14;
  const double expected = -10 * kKnot * upperTime + 6 * kKnot * lowerTime;
  EXPECT_NEAR(SpotOf(load).groups[0].drift.x, expected, 1e-6);
  // The integral is signed by its direction and exact at any band, a layer's base included.
  EXPECT_NEAR(DriftIntegral(load, 4000, 1000).x, -expected * 14, 1e-6);
  EXPECT_NEAR(DriftIntegral(load, 1500, 2000).x, 6 * kKnot * 500, 1e-9);
  EXPECT_DOUBLE_EQ(DriftIntegral(load, 2000, 2000).x, 0);
  // A group that opens at or below the pattern altitude must open over the landing area.
  const GroupReach low = SpotOf(OneGroup(900, load.winds)).groups[0];
  EXPECT_EQ(low.canopyTime, 0);
  EXPECT_EQ(low.reachRadius, 0);
  EXPECT_EQ(low.drift.x, 0);
}

TEST(Spot, LevelsDriftByTheTrapezoidOnEachSpanAndTheEndWindsBeyond) {
  // Headwind 20 kt at 4000 ft and 0 at 2000 ft, 8 kt tailwind at 500 ft. From 1000 ft to
  // 5000 ft: 20 kt above 4000 ft, the mean of 20 and 0 from 2000 to 4000 ft, and from 1000 to
  // 2000 ft the mean of 0 and the wind at 1000 ft, two thirds of the way to -8 kt.
  Load load = OneGroup(5000);
  load.windLevels = {{4000, Headwind{20}}, {2000, Headwind{0}}, {500, Headwind{-8}}};
  const double atPattern = -8 * (2000.0 - 1000) / (2000 - 500);
  const double headwindIntegral = 20 * 1000 + 10 * 2000 + 0.5 * atPattern * 1000;
  EXPECT_NEAR(DriftIntegral(load, 1000, 5000).x, -headwindIntegral * kKnot, 1e-6);
  EXPECT_NEAR(SpotOf(load).groups[0].drift.x, -headwindIntegral * kKnot / 14, 1e-6);
}

TEST(Spot, TheDropZoneSetsThePatternAltitudeTheGroundAndThePositions) {
  Load load = OneGroup(8000);
  load.jumpRunHeading = 90;
  load.dropZone = DropZone{"Equator", 0, 10, 6000};
  const Spot spot = SpotOf(load);
  // Pattern altitude 7000 ft msl: 1000 ft under canopy.
  EXPECT_NEAR(spot.groups[0].canopyTime, 1000.0 / 14, 1e-9);
  // Eastbound along the equator the green light lies at its distance east of the landing area.
  ASSERT_TRUE(spot.greenLight.position);
  const GeoPosition expected = PositionFrom({0, 10}, spot.greenLight.alongTrack < 0 ? 270 : 90,
                                            std::fabs(spot.greenLight.alongTrack) * 0.3048);
  EXPECT_NEAR(spot.greenLight.position->latitude, expected.latitude, 1e-12);
  EXPECT_NEAR(spot.greenLight.position->longitude, expected.longitude, 1e-12);
  // Openings at or below the drop zone's elevation are refused; below 2500 ft above it, warned.
  load.groups[0].openingAltitude = 6000;
  EXPECT_NE(LoadProblem(load).value_or("").find("above the landing area (6000 ft)"),
            std::string::npos);
  load.groups[0].openingAltitude = 8000;
  const auto warnings = PlanLoad(load, {}).warnings;
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_EQ(warnings[0].code, kOpeningLow);
}

TEST(Spot, AGroupThatMissesSidewaysHasNoGreenLight) {
  Load load = OneGroup(3000);
  load.jumpRunOffset = kRadius + 100;
  const Spot spot = SpotOf(load);
  EXPECT_FALSE(spot.groups[0].greenLights);
  EXPECT_FALSE(spot.range);
  EXPECT_FALSE(spot.allBack);
  EXPECT_EQ(spot.farthestOut, 0);
  // Best abeam its own opening, it is still 100 ft short.
  EXPECT_NEAR(spot.leastMargin, -100, 1.0);
  // --best-offset brings the jump run back over the landing area.
  LoadRequest request;
  request.bestOffset = true;
  const LoadOutcome outcome = PlanLoad(load, request);
  EXPECT_EQ(outcome.spot->offset, 0);
  EXPECT_TRUE(outcome.spot->offsetSearched && outcome.spot->allBack);
  EXPECT_EQ(outcome.flown.jumpRunOffset, 0);
}

TEST(Spot, ALoadWhoseLastGroupIsOutOfReachSplitsBeforeIt) {
  // Two groups opening at 3000 ft (reach about 3400 ft) and a last one opening at 1500 ft
  // (reach about 840 ft) 30 s later, some 4000 ft further on: no green light brings back both
  // the first and the last, but the first two fit one pass and the last one another.
  Load load;
  load.groups = {GroupOf(FallRate::Kind::Slow, 0), GroupOf(FallRate::Kind::Slow, 5),
                 GroupOf(FallRate::Kind::Slow, 30, 1500)};
  const Spot spot = SpotOf(load);
  ASSERT_TRUE(spot.groups[0].greenLights && spot.groups[2].greenLights);
  EXPECT_LT(spot.groups[2].greenLights->to, spot.groups[0].greenLights->from);
  EXPECT_FALSE(spot.range);
  EXPECT_LT(spot.leastMargin, 0);
  EXPECT_TRUE(spot.farthestOut);
  EXPECT_EQ(spot.split, 2);
  LoadRequest request;
  request.spot = true;
  const std::string margin = MakeLoadReport(PlanLoad(load, request)).spot->marginLine;
  EXPECT_NE(margin.find("; fly two passes, the second from \"" + load.groups[2].name + "\""),
            std::string::npos)
      << margin;
  // The red light follows the green one by the aircraft's ground speed times the last exit.
  const LoadFlight flight = FlyLoad(load);
  EXPECT_NEAR(spot.redLight.alongTrack - spot.greenLight.alongTrack,
              flight.aircraftGroundSpeed * 35, 1e-6);
  EXPECT_NEAR(*spot.greenLight.seconds, spot.greenLight.alongTrack / flight.aircraftGroundSpeed,
              1e-9);
}

TEST(GeoPosition, MatchesGeographicLibsDocumentedDirectExampleAndTheMeridianArc) {
  // GeographicLib's documented example: 20000 km south-west of Perth, Australia
  // (32.06 S, 115.74 E) is (32.11195529, -63.95925278).
  const GeoPosition far = PositionFrom({-32.06, 115.74}, 225, 20000e3);
  EXPECT_NEAR(far.latitude, 32.11195529, 5e-9);
  EXPECT_NEAR(far.longitude, -63.95925278, 5e-9);
  // 1852 m due north of the equator, as the left of an eastbound track: along the meridian,
  // whose radius of curvature there is a (1 - e^2); the arc's next term is of third order.
  const double a = 6378137, f = 1 / 298.257223563, e2 = f * (2 - f);
  const double radians = 1852 / (a * (1 - e2));
  const GeoPosition north = GroundFramePosition({0, 10}, 90, 0, -1852 / 0.3048);
  EXPECT_NEAR(north.latitude, radians * 180 / std::acos(-1.0), 1e-10);
  EXPECT_NEAR(north.longitude, 10, 1e-10);
}

// The calls use nautical miles (1852 m) and metres whatever the load's units, and the knot of
// 1.688 ft/s. 650 m is 2132.5459 ft; at 95 kt (160.36 ft/s) that is 13.3 s: the worked call.
TEST(SpotCalls, GiveTheLightsInNauticalMilesMetresAndSecondsAtTheGroundSpeed) {
  const double groundSpeed = 95 * 1.688;
  const double feet = 650 / 0.3048;
  SpotPoint green{-feet, -feet / groundSpeed, std::nullopt};
  EXPECT_EQ(LightCall(Light::Green, green, groundSpeed),
            "Green light 0.35 NM (650 m) before abeam the landing area, 13 s at 95 kt over the "
            "ground");
  // 0.5 NM after: 926 m, called to the nearest 10 m.
  const double half = 926 / 0.3048;
  SpotPoint red{half, half / groundSpeed, std::nullopt};
  EXPECT_EQ(LightCall(Light::Red, red, groundSpeed),
            "Red light 0.50 NM (930 m) after abeam the landing area, 19 s at 95 kt over the "
            "ground");
  // Within 5 m of abeam, and with no way forward there is no time to call.
  SpotPoint abeam{3, std::nullopt, std::nullopt};
  EXPECT_EQ(LightCall(Light::Green, abeam, 0), "Green light abeam the landing area");
}

}  // namespace
}  // namespace tarnwick::load
