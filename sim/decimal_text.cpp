#include "sim/decimal_text.h"

#include <fmt/format.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace tarnwick {
namespace {

// The shortest round-trip digits of a finite value and the power of ten of the first one:
// 4500.5 is {"45005", 3}. {fmt} finds them the same way on every platform.
struct Digits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

template <typename Number>
Digits ShortestDigits(Number value) {
  // "{:e}" with no precision would round to six; "{}" is the shortest round trip, in either
  // notation, which is taken apart here.
  const std::string text = fmt::format("{}", value);
  Digits d;
  std::size_t i = 0;
  if (text[i] == '-') {
    d.negative = true;
    ++i;
  }
  int pointAt = -1;  // digits before the point, counted over the whole mantissa
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] == '.') {
      pointAt = static_cast<int>(d.digits.size());
    } else {
      d.digits += text[i];
    }
  }
  if (pointAt < 0) pointAt = static_cast<int>(d.digits.size());
  int power = 0;
  if (i < text.size()) power = std::atoi(text.c_str() + i + 1);  // digits {fmt} wrote itself
  // Leading zeros (0.001) and trailing zeros (1500) carry no digit of their own.
  const std::size_t first = d.digits.find_first_not_of('0');
  if (first == std::string::npos) return {d.negative, "0", 0};
  d.exponent = pointAt - 1 - static_cast<int>(first) + power;
  d.digits.erase(0, first);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

// `value` in plain notation with its shortest digits; a whole number that needs more digits
// than those has every digit of its exact binary value, as std::to_chars writes it.
template <typename Number>
std::string Plain(const Digits& d, Number value) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent + 1 > count) return fmt::format("{:.0f}", value);
  std::string text = d.negative ? "-" : "";
  if (d.exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    text += d.digits;
  } else if (d.exponent + 1 == count) {
    text += d.digits;
  } else {
    text += d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1));
    text += '.';
    text += d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
  }
  return text;
}

std::string Scientific(const Digits& d) {
  std::string text = d.negative ? "-" : "";
  text += d.digits[0];
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  const int magnitude = std::abs(d.exponent);
  text += d.exponent < 0 ? "e-" : "e+";
  if (magnitude < 10) text += '0';
  text += std::to_string(magnitude);
  return text;
}

template <typename Number>
std::string Shortest(Number value) {
  if (!std::isfinite(value)) return "0";
  const Digits d = ShortestDigits(value);
  std::string plain = Plain(d, value), scientific = Scientific(d);
  return scientific.size() < plain.size() ? scientific : plain;
}

}  // namespace

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  return fmt::format("{:.{}f}", value, decimals);
}

std::string ShortestText(float value) {
  return Shortest(value);
}

std::string ShortestText(double value) {
  return Shortest(value);
}

std::string ShortestPlainText(double value) {
  if (!std::isfinite(value)) return "0";
  return Plain(ShortestDigits(value), value);
}

std::string SignificantText(double value, int digits) {
  if (!std::isfinite(value)) return "0";
  return fmt::format("{:.{}g}", value, digits);
}

std::optional<double> ReadDecimal(std::string_view text) {
  // Only the characters of a decimal number, in its shape, so that what is read cannot depend
  // on the reader's notion of numbers (hexadecimal, "inf", "nan", leading blanks).
  std::size_t i = 0;
  const auto digitsFrom = [&] {
    const std::size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    return i > start;
  };
  if (i < text.size() && text[i] == '-') ++i;
  bool any = digitsFrom();
  if (i < text.size() && text[i] == '.') {
    ++i;
    any = digitsFrom() || any;
  }
  if (!any) return std::nullopt;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!digitsFrom()) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
#else
  // A C++ library without floating-point std::from_chars (the web engine's): strtod, whose
  // decimal point is "." there, since that C library (musl in WebAssembly) has no other.
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || (errno == ERANGE && std::isinf(value))) {
    return std::nullopt;
  }
#endif
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace tarnwick
