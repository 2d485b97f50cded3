#pragma once

#include <string>

namespace tarnwick {

// Numbers as people and files read them, always with "." as the decimal point and without
// grouping, whatever locale the C library was switched to (a Qt application switches it to
// the user's). Every number the program writes goes through these or std::to_chars.

// The value with exactly `decimals` digits after the point (none and no point for 0), rounded
// to nearest; "-" only for a negative value.
std::string FixedText(double value, int decimals);

// The shortest text that reads back as the same single-precision value: 80, 4500.5, 0.1.
std::string ShortestText(float value);

}  // namespace tarnwick
