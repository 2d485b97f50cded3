#include "output/printable_text.h"

#include <cstdint>
#include <optional>

namespace tarnwick {
namespace {

constexpr char kHex[] = "0123456789abcdef";

void AppendHex(std::string& out, std::uint32_t value, int digits) {
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 0xF];
}

struct CodePoint {
  std::uint32_t value;
  std::size_t length;
};

// The UTF-8 sequence at the start of `text`, or nothing when it is not a valid one (overlong,
// surrogate, beyond U+10FFFF or cut short).
std::optional<CodePoint> DecodeUtf8(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  std::uint32_t value = 0, lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07, lowest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
    value = value << 6 | (byte(i) & 0x3F);
  }
  if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    return std::nullopt;
  }
  return CodePoint{value, length};
}

// The bytes of the character at the start of `text`: one for a byte that is not UTF-8.
std::size_t CharacterLength(std::string_view text) {
  const auto point = DecodeUtf8(text);
  return point ? point->length : 1;
}

// C1 controls (U+009B starts a terminal sequence as ESC [ does), the line and paragraph
// separators, and the bidirectional controls, which reorder what follows them on the line
// (U+202E can make "exe.txt" read "txt.exe").
bool BreaksOrSteers(std::uint32_t codePoint) {
  return (codePoint >= 0x80 && codePoint <= 0x9F) || codePoint == 0x2028 || codePoint == 0x2029 ||
         codePoint == 0x061C || codePoint == 0x200E || codePoint == 0x200F ||
         (codePoint >= 0x202A && codePoint <= 0x202E) ||
         (codePoint >= 0x2066 && codePoint <= 0x2069);
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\\') {
      out += "\\\\";
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\x";
      AppendHex(out, c, 2);
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (const auto point = DecodeUtf8(text.substr(i))) {
      if (BreaksOrSteers(point->value)) {
        out += "\\u";
        AppendHex(out, point->value, 4);
      } else {
        out.append(text.substr(i, point->length));
      }
      i += point->length;
    } else {
      out += "\\x";
      AppendHex(out, c, 2);
      ++i;
    }
  }
  return out;
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); i += CharacterLength(text.substr(i))) ++count;
  return count;
}

std::string_view FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t n = 0; end < text.size() && n < count; ++n) {
    end += CharacterLength(text.substr(end));
  }
  return text.substr(0, end);
}

std::string ShortenedText(std::string_view text, std::size_t maxCharacters) {
  const std::string_view kept = FirstCharacters(text, maxCharacters);
  if (kept.size() == text.size()) return std::string(text);
  return std::string(kept) + "\u2026";
}

std::string QuotedText(std::string_view text) {
  return '"' + PrintableText(text) + '"';
}

}  // namespace tarnwick
