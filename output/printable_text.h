#pragma once

#include <string>
#include <string_view>

namespace tarnwick {

// `text` as it may appear inside a one-line message: control characters (C0, DEL and C1), line
// and paragraph separators, bytes that are not UTF-8 and the backslash are written as escapes
// ("\x0a", "\u0085", "\\"), so that what a user typed can neither break the line nor steer the
// terminal. Everything else stays as it was.
std::string PrintableText(std::string_view text);

// PrintableText in double quotes, as messages quote what they echo.
std::string QuotedText(std::string_view text);

}  // namespace tarnwick
