#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// Reads the number a user typed into a text box. Blanks (space, tab, line feed) anywhere are
// skipped; the longest leading part that forms a number is read: an optional sign, digits with
// at most one "." and an optional exponent (E or D, optional sign, digits). A leading &H or &O
// reads a hexadecimal or octal integer. The decimal point is "." whatever the locale. A text
// that does not begin with a number reads as 0. Magnitudes beyond the double range read as
// infinity of that sign; StoreSingle brings them into range.
double TextToNumber(std::string_view text);

// Rounds a number to the nearest single-precision value for storing in a scenario field. A
// magnitude beyond the single-precision range becomes the largest single of that sign, so
// the limits of Go bring it into range and no infinity ever reaches a run. NaN reads as 0.
float StoreSingle(double value);

// Writes a single-precision value the way the boxes show it: up to 7 significant digits,
// no trailing zeros, no point for whole numbers, no zero before the point (".5"), a leading
// blank for non-negative values and a minus sign otherwise. Magnitudes from 1e7 up, or below
// 1e-7, are written in exponent form (" 1.5E+07").
std::string NumberToText(float value);

}  // namespace tarnwick
