#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The plain-text primitives the forecast readers share: lines, words with their columns and
// whole numbers, all independent of the locale.
namespace tarnwick::winds {

// The text's lines without their ends ("\n" or "\r\n"); a leading UTF-8 byte order mark is
// dropped.
std::vector<std::string_view> Lines(std::string_view text);

struct Word {
  std::string_view text;
  std::size_t column = 0;  // of its first character, from 0
};

// The words of a line, split at spaces, tabs and other ASCII blanks.
std::vector<Word> Words(std::string_view line);

// A whole number written with digits only, an optional sign in front ("-12", "+05").
std::optional<long long> WholeNumber(std::string_view text);

bool AllDigits(std::string_view text);
bool SameIgnoringCase(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);

// `text` quoted for a one-line message, escaped and cut to a readable length.
std::string QuotedExcerpt(std::string_view text);

// A number in a message: the shortest text of its value rounded to a tenth.
std::string MessageNumber(double value);

}  // namespace tarnwick::winds
