// Every number a person reads, by its quantity's one rule. The expected texts are worked out by
// hand: a metre is 0.3048 ft, a mile 5280 ft, a knot the model's 1.688 ft/s; halves round away
// from zero on the number as it is written in full (the result JSON's number).
#include "load/quantity_text.h"

#include <gtest/gtest.h>

namespace tarnwick::load {
namespace {

TEST(QuantityText, RoundsHalvesAwayFromZeroAndNeverWritesMinusZero) {
  EXPECT_EQ(RoundedText(2.5, 0), "3");
  EXPECT_EQ(RoundedText(-2.5, 0), "-3");
  EXPECT_EQ(RoundedText(47.25, 1), "47.3");  // exactly a half in binary too
  EXPECT_EQ(RoundedText(0.15, 1), "0.2");    // written 0.15, though just below it in binary
  EXPECT_EQ(RoundedText(9.96, 1), "10.0");   // the carry reaches a new digit
  EXPECT_EQ(RoundedText(999.5, 0), "1000");
  EXPECT_EQ(RoundedText(-0.4, 0), "0");
  EXPECT_EQ(RoundedText(-0.04, 1), "0.0");
  EXPECT_EQ(RoundedText(-0.0, 0), "0");
  EXPECT_EQ(RoundedText(1e-7, 1), "0.0");
  EXPECT_EQ(RoundedText(12, 1), "12.0");
}

TEST(QuantityText, EachQuantityHasItsRuleAndUnit) {
  const Units feet;  // ft, ft, kt
  Units metric;
  metric.altitude = metric.distance = LengthUnit::Metres;
  metric.speed = SpeedUnit::KilometresPerHour;
  Units miles;
  miles.speed = SpeedUnit::MilesPerHour;

  // 3000 ft is 914.4 m, 1000 ft 304.8 m.
  const ShownQuantity opening = Show(Quantity::Altitude, 3000, metric);
  EXPECT_NEAR(opening.value, 914.4, 1e-9);
  EXPECT_EQ(opening.number, "914");
  EXPECT_EQ(opening.text, "914 m");
  EXPECT_EQ(QuantityText(Quantity::Distance, 1000, metric), "305 m");
  EXPECT_EQ(QuantityText(Quantity::Distance, -0.3, feet), "0 ft");
  // 120 mph is 176 ft/s, 176 / 1.688 kt; 10 kt are 16.88 ft/s, 18.522 km/h.
  EXPECT_EQ(QuantityText(Quantity::Speed, 176 / 1.688, miles), "120 mph");
  EXPECT_EQ(QuantityText(Quantity::Speed, 10, metric), "19 km/h");
  EXPECT_EQ(QuantityText(Quantity::Speed, 10, feet), "10 kt");
  // Times and delays to a tenth of a second, whatever the length units.
  EXPECT_EQ(QuantityText(Quantity::Time, 62.900001525878906, metric), "62.9 s");
  EXPECT_EQ(QuantityText(Quantity::Delay, 9.7f, feet), "9.7 s");
  EXPECT_EQ(QuantityText(Quantity::Delay, 5, feet), "5.0 s");
  EXPECT_EQ(QuantityText(Quantity::Direction, 249.6, feet), "250 deg");
  EXPECT_EQ(QuantityText(Quantity::DragArea, 3.15, feet), "3.2 sq ft");
  EXPECT_EQ(UnitOf(Quantity::Altitude, metric), "m");
  EXPECT_EQ(UnitOf(Quantity::Speed, metric), "km/h");
}

TEST(QuantityText, ACallIsWholeSecondsRoundedUpUnlessTheDelayIsWhole) {
  const Units feet;
  EXPECT_EQ(CalledSeconds(9.7), 10);
  EXPECT_EQ(CalledSeconds(7.2), 8);
  EXPECT_EQ(CalledSeconds(9), 9);
  EXPECT_EQ(CalledSeconds(9.00001f), 9);  // whole within single precision
  EXPECT_EQ(QuantityText(Quantity::Call, 9.1, feet), "10 s");
}

}  // namespace
}  // namespace tarnwick::load
