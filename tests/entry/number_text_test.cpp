#include "entry/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "sim/decimal_text.h"
#include "sim/report.h"
#include "tests/comma_locale.h"

namespace tarnwick {
namespace {

TEST(TextToNumber, ReadsWhatUsersType) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"85", 85},       {"85 knots", 85}, {"12,5", 12},       {" 1 2 ", 12},
      {"1\t2\n3", 123}, {"", 0},          {"-", 0},           {".", 0},
      {"abc", 0},       {"-3", -3},       {"+7", 7},          {".5", 0.5},
      {"-.25", -0.25},  {"1.5.3", 1.5},   {"1D3", 1000},      {"1d3", 1000},
      {"2E2", 200},     {"2e-1", 0.2},    {"2E", 2},          {"2E+", 2},
      {"2Ex", 2},       {"&H1F", 31},     {"&h1f", 31},       {"&O17", 15},
      {"&o17", 15},     {"&H", 0},        {"&O8", 0},         {"&X1", 0},
      {"- 5", -5},      {"1 e 2", 100},   {"0.0001", 0.0001}, {"00012", 12},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(TextToNumber(c.text), c.expected) << '"' << c.text << '"';
  }
}

// Under a real comma-decimal locale, switched on as an application object switches it, the
// boxes' numbers are still read and written with ".". Expected texts follow the boxes' rule:
// up to 7 significant digits, no trailing zeros, no zero before the point.
TEST(NumberTextUnderACommaLocale, KeepsThePoint) {
  std::string error;
  test::ProvideCommaLocale(error);
  ASSERT_EQ(error, "");
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");

  EXPECT_DOUBLE_EQ(TextToNumber("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(TextToNumber("12,5"), 12);
  EXPECT_EQ(NumberToText(80.5f), " 80.5");
  EXPECT_EQ(NumberToText(4500.5f), " 4500.5");
  EXPECT_EQ(NumberToText(20), " 20");
  EXPECT_EQ(NumberToText(-0.25f), "-.25");
  EXPECT_EQ(NumberToText(1.5e7f), " 1.5E+07");
  EXPECT_EQ(FormatFeet(-572.5), "-573ft");  // halves away from zero
  EXPECT_EQ(FormatSeconds(64.99), "65 sec.");
  EXPECT_EQ(FixedText(-572.26, 1), "-572.3");
  EXPECT_EQ(ShortestText(4500.5f), "4500.5");
  std::setlocale(LC_ALL, "C");
}

TEST(TextToNumber, OutOfRangeMagnitudesKeepTheirSign) {
  EXPECT_DOUBLE_EQ(TextToNumber("1e39"), 1e39);
  EXPECT_TRUE(std::isinf(TextToNumber("1e400")));
  EXPECT_LT(TextToNumber("-1e400"), 0);
  EXPECT_EQ(TextToNumber("1e-400"), 0);
  EXPECT_EQ(TextToNumber("0e999999999999999999999"), 0);
  EXPECT_GT(TextToNumber(std::string(400, '9')), 1e300);
  EXPECT_TRUE(std::isinf(TextToNumber("&H" + std::string(300, 'F'))));
}

TEST(StoreSingle, SaturatesInsteadOfOverflowing) {
  constexpr float kMax = std::numeric_limits<float>::max();
  EXPECT_EQ(StoreSingle(1e39), kMax);
  EXPECT_EQ(StoreSingle(-1e39), -kMax);
  EXPECT_EQ(StoreSingle(std::numeric_limits<double>::infinity()), kMax);
  EXPECT_EQ(StoreSingle(std::nan("")), 0.0f);
  EXPECT_EQ(StoreSingle(0.1), 0.1f);
}

TEST(NumberToText, WritesTheBoxesNumberForm) {
  struct Case {
    float value;
    const char* expected;
  };
  const Case cases[] = {
      {80, " 80"},
      {0, " 0"},
      {-0.0f, " 0"},
      {0.5f, " .5"},
      {-0.5f, "-.5"},
      {13000, " 13000"},
      {-3, "-3"},
      {12.25f, " 12.25"},
      {0.1f, " .1"},
      {1234.567f, " 1234.567"},
      {1234.5678f, " 1234.568"},
      {9999999, " 9999999"},
      {1.5e7f, " 1.5E+07"},
      {1e-8f, " 1E-08"},
      {200, " 200"},
      {85, " 85"},
      {0.0001f, " .0001"},
      {3.4028235e38f, " 3.402823E+38"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumberToText(c.value), c.expected) << c.value;
  }
}

TEST(NumberToText, ReadsBackToItsOwnText) {
  for (float v : {0.1f, 80.00001f, 1234.0001f, 12999.99f, 0.3333333f, 199.9999f}) {
    const std::string once = NumberToText(v);
    EXPECT_EQ(NumberToText(StoreSingle(TextToNumber(once))), once) << v;
  }
}

}  // namespace
}  // namespace tarnwick
