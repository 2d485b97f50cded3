#include "entry/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarnwick {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The text without its blanks, which the reading skips wherever they stand.
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (!IsBlank(c)) s.push_back(c);
  }
  return s;
}

int HexDigitValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double ReadRadixInteger(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    const int d = HexDigitValue(c);
    if (d < 0 || d >= radix) break;
    value = value * radix + d;  // grows to infinity for absurdly long literals
  }
  return value;
}

// Order of magnitude of a decimal number too large or too small for a double: positive means
// too large. `mantissa` holds digits and at most one point.
long long DecimalOrder(std::string_view mantissa, long long exponent) {
  const std::size_t point = mantissa.find('.');
  const std::string_view integer = mantissa.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
  const std::size_t firstInteger = integer.find_first_not_of('0');
  if (firstInteger != std::string_view::npos) {
    return static_cast<long long>(integer.size() - firstInteger) + exponent;
  }
  const std::size_t firstFraction = fraction.find_first_not_of('0');
  if (firstFraction == std::string_view::npos) return std::numeric_limits<long long>::min();
  return exponent - static_cast<long long>(firstFraction);
}

}  // namespace

double TextToNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  std::size_t i = 0;
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return ReadRadixInteger(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return ReadRadixInteger(std::string_view(s).substr(2), 8);
    return 0;
  }

  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i] == '-';
    ++i;
  }
  const std::size_t mantissaStart = i;
  bool seenPoint = false;
  bool seenDigit = false;
  while (i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && !seenPoint))) {
    if (s[i] == '.') {
      seenPoint = true;
    } else {
      seenDigit = true;
    }
    ++i;
  }
  if (!seenDigit) return 0;
  const std::string_view mantissa = std::string_view(s).substr(mantissaStart, i - mantissaStart);

  // The exponent counts only when at least one digit follows the letter and its sign.
  long long exponent = 0;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
      negativeExponent = s[j] == '-';
      ++j;
    }
    if (j < s.size() && IsDigit(s[j])) {
      constexpr long long kCap = 1'000'000'000;  // far beyond any double; avoids overflow
      while (j < s.size() && IsDigit(s[j])) {
        if (exponent < kCap) exponent = exponent * 10 + (s[j] - '0');
        ++j;
      }
      if (negativeExponent) exponent = -exponent;
    }
  }

  std::string normalised(mantissa);
  normalised += 'e';
  normalised += std::to_string(exponent);
  double magnitude = 0;
  const auto [end, ec] =
      std::from_chars(normalised.data(), normalised.data() + normalised.size(), magnitude);
  (void)end;
  if (ec == std::errc::result_out_of_range) {
    magnitude =
        DecimalOrder(mantissa, exponent) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

float StoreSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (std::isnan(value)) return 0.0f;
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return -std::numeric_limits<float>::max();
  return static_cast<float>(value);
}

std::string NumberToText(float value) {
  const std::string sign = std::signbit(value) && value != 0 ? "-" : " ";
  const double magnitude = std::fabs(static_cast<double>(value));
  if (magnitude == 0) return sign + "0";
  if (!std::isfinite(magnitude)) return sign + "0";  // never stored; see StoreSingle

  // Seven significant digits; the exponent is that of the rounded value. std::to_chars, not
  // printf, so the point stays "." under a comma locale.
  char scientific[32];
  char* scientificEnd = std::to_chars(scientific, scientific + sizeof scientific, magnitude,
                                      std::chars_format::scientific, 6)
                            .ptr;
  char* e = std::find(scientific, scientificEnd, 'e');
  const char* exponentDigits = e + 1;
  if (exponentDigits < scientificEnd && (*exponentDigits == '+' || *exponentDigits == '-')) {
    ++exponentDigits;
  }
  int exponent = 0;
  std::from_chars(exponentDigits, scientificEnd, exponent);
  if (e[1] == '-') exponent = -exponent;

  auto stripZeros = [](std::string digits) {
    if (digits.find('.') != std::string::npos) {
      while (!digits.empty() && digits.back() == '0') digits.pop_back();
      if (!digits.empty() && digits.back() == '.') digits.pop_back();
    }
    return digits;
  };

  if (exponent >= 7 || exponent < -7) {
    std::string mantissa =
        stripZeros(std::string(scientific, static_cast<std::size_t>(e - scientific)));
    const int size = std::abs(exponent);
    return sign + mantissa + "E" + (exponent < 0 ? "-" : "+") + (size < 10 ? "0" : "") +
           std::to_string(size);
  }

  char fixed[64];
  char* fixedEnd =
      std::to_chars(fixed, fixed + sizeof fixed, magnitude, std::chars_format::fixed, 6 - exponent)
          .ptr;
  std::string digits = stripZeros(std::string(fixed, fixedEnd));
  if (digits.size() > 1 && digits[0] == '0' && digits[1] == '.') digits.erase(0, 1);
  return sign + digits;
}

}  // namespace tarnwick
