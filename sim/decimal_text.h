#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick {

// Numbers as people and files read them, always with "." as the decimal point and without
// grouping, whatever locale the C library was switched to (a Qt application switches it to
// the user's). Every floating-point number the program writes or reads back goes through
// these: the desktop program and the web page's engine (whose C++ library has no
// floating-point std::to_chars or std::from_chars) then write the same digits.

// The value with exactly `decimals` digits after the point (none and no point for 0), rounded
// to nearest; "-" only for a negative value.
std::string FixedText(double value, int decimals);

// The shortest text that reads back as the same value, in plain or scientific notation,
// whichever is shorter (plain on a tie): 80, 4500.5, 0.1, 1e+20. Single precision for a float.
std::string ShortestText(float value);
std::string ShortestText(double value);

// The shortest text that reads back as the same double, always in plain notation:
// 1e+20 as 100000000000000000000, 1e-07 as 0.0000001.
std::string ShortestPlainText(double value);

// The value rounded to `digits` significant digits, as C's "%.*g" in the "C" locale writes it.
std::string SignificantText(double value, int digits);

// A decimal number as the texts above write it ([-]digits[.digits][e[+-]digits]), nothing
// before or after it; none for any other text or a value beyond a double.
std::optional<double> ReadDecimal(std::string_view text);

}  // namespace tarnwick
