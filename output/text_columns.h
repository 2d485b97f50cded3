#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// Plain text laid out for a terminal: columns that never run into each other and lines that
// keep to a width. Widths count code points (one column each), so `text` must be valid UTF-8,
// as PrintableText writes it; a cut never falls inside a character.

// The number of code points in `text`.
std::size_t TextWidth(std::string_view text);

// `text` as it is when it is at most `width` wide, else its first width - 1 code points and an
// ellipsis ("…").
std::string Shortened(std::string_view text, std::size_t width);

// A left-aligned column `width` wide: `text` shortened to leave at least one blank after it.
std::string LeftColumn(std::string_view text, std::size_t width);

// A right-aligned column `width` wide; a text as wide or wider gets one blank before it, so
// that it never touches the column on its left.
std::string RightColumn(std::string_view text, std::size_t width);

// `text` broken at blanks into lines of at most `width`, each line after the first indented by
// `indent` blanks; a word longer than a line is cut. Every line ends in "\n".
std::string Wrapped(std::string_view text, std::size_t width, std::size_t indent);

}  // namespace tarnwick
