#include "sim/decimal_text.h"

#include <charconv>

namespace tarnwick {

std::string FixedText(double value, int decimals) {
  // 309 integer digits at most for a finite double, plus sign, point and decimals.
  char text[400];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  return std::string(text, end);
}

std::string ShortestText(float value) {
  char text[32];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value);
  if (error != std::errc()) return "0";
  return std::string(text, end);
}

}  // namespace tarnwick
