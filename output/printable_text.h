#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// `text` as it may appear inside a one-line message: control characters (C0, DEL and C1), line
// and paragraph separators, bidirectional controls (U+202A..U+202E, U+2066..U+2069, the marks
// U+200E, U+200F and U+061C), bytes that are not UTF-8 and the backslash are written as escapes
// ("\x0a", "\u0085", "\u202e", "\\"), so that what a user typed can neither break the line,
// nor steer the terminal, nor reorder what follows it. Everything else stays as it was; the
// result is always valid UTF-8.
std::string PrintableText(std::string_view text);

// The characters in `text`: each UTF-8 sequence counts one, and so does each byte that is not
// UTF-8.
std::size_t CharacterCount(std::string_view text);

// The first `count` characters of `text` (a byte that is not UTF-8 counts as one).
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// `text` cut after `maxCharacters` characters, with an ellipsis when anything was cut.
std::string ShortenedText(std::string_view text, std::size_t maxCharacters);

// PrintableText in double quotes, as messages quote what they echo.
std::string QuotedText(std::string_view text);

}  // namespace tarnwick
