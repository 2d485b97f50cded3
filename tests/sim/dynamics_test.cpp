#include "sim/dynamics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarnwick {
namespace {

constexpr double kSlow = 5.2;
constexpr double kFast = 2.74;

TEST(Atmosphere, DensityAndTrueAirspeed) {
  EXPECT_EQ(AirDensity(0), 0.00238);
  EXPECT_NEAR(AirDensity(14000), 0.0015507, 1e-7);
  EXPECT_NEAR(TrueAirspeed(80), 167.297, 1e-3);
  EXPECT_EQ(TrueAirspeed(0), 0);
}

TEST(StartConditions, WindsAreSignedHeadwindComponentsAndDragAreasFollowTheClass) {
  Scenario s;
  s.ias = 80;
  s.upperWind = 20;
  s.upperWindSign = 1;
  s.lowerWind = 10;
  s.lowerWindSign = -1;
  const StartConditions start = StartConditionsFor(s);
  EXPECT_DOUBLE_EQ(start.upperWindComponent, 33.76);
  EXPECT_DOUBLE_EQ(start.lowerWindComponent, -16.88);
  EXPECT_EQ(start.trueAirspeed, TrueAirspeed(80));
  EXPECT_EQ(DragArea(0), kFast);
  EXPECT_EQ(DragArea(1), kSlow);
  EXPECT_EQ(DragArea(-1), kSlow);
}

TEST(JumperAccelerations, AtTheExitNearlyAllDragIsHorizontal) {
  const double tas = TrueAirspeed(80);
  const SpeedChange c = JumperAccelerations(tas, 0, 14000, kSlow);
  // The model's right angle is 3.14159 / 2, whose cosine leaves a trace of vertical drag.
  EXPECT_LT(c.verticalIncrement, 0.322);
  EXPECT_NEAR(c.verticalIncrement, 0.322, 1e-6);
  const double drag = tas * tas * 0.5 * AirDensity(14000) * kSlow;
  EXPECT_NEAR(c.horizontalDecrement, drag * 32.2 / 155 * 0.01, 1e-9);
}

TEST(JumperAccelerations, AtRestOnlyGravityActs) {
  const SpeedChange c = JumperAccelerations(0, 0, 14000, kSlow);
  EXPECT_EQ(c.horizontalDecrement, 0);
  EXPECT_DOUBLE_EQ(c.verticalIncrement, 0.322);
}

TEST(JumperAccelerations, DragOpposesTheMotionThroughTheAir) {
  for (const double airSpeed : {60.0, -60.0}) {
    const SpeedChange c = JumperAccelerations(airSpeed, 150, 8000, kFast);
    EXPECT_EQ(std::signbit(c.horizontalDecrement), std::signbit(airSpeed)) << airSpeed;
    EXPECT_LT(c.verticalIncrement, 0.322);
  }
  const SpeedChange ahead = JumperAccelerations(60, 150, 8000, kFast);
  const SpeedChange behind = JumperAccelerations(-60, 150, 8000, kFast);
  EXPECT_DOUBLE_EQ(ahead.horizontalDecrement, -behind.horizontalDecrement);
  EXPECT_DOUBLE_EQ(ahead.verticalIncrement, behind.verticalIncrement);
}

double TerminalSpeed(double altitude, double dragArea) {
  double low = 0, high = 1000;
  for (int i = 0; i < 100; ++i) {
    const double mid = (low + high) / 2;
    (JumperAccelerations(0, mid, altitude, dragArea).verticalIncrement > 0 ? low : high) = mid;
  }
  return low;
}

TEST(JumperAccelerations, TerminalSpeedsOfSlowAndFastFallers) {
  EXPECT_NEAR(TerminalSpeed(14000, kSlow), 196, 0.5);
  EXPECT_NEAR(TerminalSpeed(3000, kSlow), 166, 0.5);
  EXPECT_NEAR(TerminalSpeed(14000, kFast), 270, 0.5);
  EXPECT_NEAR(TerminalSpeed(3000, kFast), 228, 0.5);
}

// A straight-down fall at constant density has the closed form v = vt tanh(g t / vt); the
// two-evaluation step must follow it far more closely than a single evaluation would.
TEST(FreeFallStep, FollowsTheExactVerticalFall) {
  const double vt = TerminalSpeed(14000, kSlow);
  double v = 0;
  for (int step = 0; step < 500; ++step) {
    const SpeedChange c = FreeFallStep(0, v, 14000, kSlow);
    EXPECT_EQ(c.horizontalDecrement, 0);
    v += c.verticalIncrement;
  }
  EXPECT_NEAR(v, vt * std::tanh(32.2 * 5 / vt), 1e-4);
}

}  // namespace
}  // namespace tarnwick
