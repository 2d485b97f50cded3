// The number-text primitive against the standard library's own conversions, which the desktop
// has and the web engine's library lacks: the two builds must write and read the same digits.
#include "sim/decimal_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tests/comma_locale.h"

namespace tarnwick {
namespace {

std::string ToChars(double value, std::chars_format format, int precision = -1) {
  char text[400];
  const auto result = precision < 0
                          ? std::to_chars(text, text + sizeof text, value, format)
                          : std::to_chars(text, text + sizeof text, value, format, precision);
  return std::string(text, result.ptr);
}

std::string ToChars(double value) {
  char text[400];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string ToChars(float value) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// Values a load produces (feet, seconds, conversions) and values of every magnitude, sign and
// bit pattern, including subnormals.
std::vector<double> Samples() {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.1,
                                80,
                                4500.5,
                                914.0,
                                1e20,
                                1e-7,
                                1e16,
                                1e15,
                                1e-5,
                                1e-4,
                                123456789012345680.0,
                                5e-324,
                                -572.26,
                                std::numeric_limits<double>::max(),
                                2999.9999999999995,
                                1000.0 / 3.0,
                                0.3048 * 3000};
  std::mt19937_64 random(20240601);  // fixed seed: the same samples on every run
  std::uniform_real_distribution<double> magnitude(-30, 30);
  for (int i = 0; i < 3000; ++i) {
    values.push_back(std::pow(10.0, magnitude(random)) * (i % 2 ? -1 : 1));
    values.push_back(std::bit_cast<double>(random()));
  }
  std::erase_if(values, [](double v) { return !std::isfinite(v); });
  return values;
}

TEST(DecimalText, WritesTheDigitsOfTheStandardConversions) {
  for (const double value : Samples()) {
    SCOPED_TRACE(ToChars(value));
    EXPECT_EQ(ShortestText(value), ToChars(value));
    if (std::isfinite(static_cast<float>(value))) {
      EXPECT_EQ(ShortestText(static_cast<float>(value)), ToChars(static_cast<float>(value)));
    }
    EXPECT_EQ(ShortestPlainText(value), ToChars(value, std::chars_format::fixed));
    EXPECT_EQ(SignificantText(value, 15), ToChars(value, std::chars_format::general, 15));
    if (std::fabs(value) < 1e30) {
      EXPECT_EQ(FixedText(value, 3), ToChars(value, std::chars_format::fixed, 3));
    }
  }
}

TEST(DecimalText, ReadsBackWhatItWritesAndRefusesEverythingElse) {
  for (const double value : Samples()) {
    EXPECT_EQ(ReadDecimal(ShortestText(value)), value) << ShortestText(value);
    EXPECT_EQ(ReadDecimal(ShortestPlainText(value)), value) << ShortestPlainText(value);
  }
  EXPECT_EQ(ReadDecimal("1.5e3"), 1500.0);
  EXPECT_EQ(ReadDecimal(".5"), 0.5);
  EXPECT_EQ(ReadDecimal("-7."), -7.0);
  for (const char* bad : {"", " 1", "1 ", "+1", "1,5", "0x10", "inf", "nan", "1e", "e5", "-", ".",
                          "1e400", "1.5.2"}) {
    EXPECT_EQ(ReadDecimal(bad), std::nullopt) << bad;
  }
}

TEST(DecimalText, IgnoresACommaDecimalLocale) {
  std::string error;
  test::ProvideCommaLocale(error);
  ASSERT_EQ(error, "");
  ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr);
  EXPECT_EQ(FixedText(2.25, 2), "2.25");
  EXPECT_EQ(ShortestText(4500.5), "4500.5");
  EXPECT_EQ(SignificantText(0.3048 * 3000, 15), "914.4");
  EXPECT_EQ(ReadDecimal("914.4"), 914.4);
  std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace tarnwick
