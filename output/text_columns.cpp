#include "output/text_columns.h"

#include <algorithm>

#include "output/printable_text.h"

namespace tarnwick {

// Widths are the printable text's own character count and shortening, so that a name is
// measured and cut the same way wherever it is shown.
std::size_t TextWidth(std::string_view text) {
  return CharacterCount(text);
}

std::string Shortened(std::string_view text, std::size_t width) {
  if (CharacterCount(text) <= width) return std::string(text);
  if (width == 0) return {};
  return ShortenedText(text, width - 1);
}

std::string LeftColumn(std::string_view text, std::size_t width) {
  std::string column = Shortened(text, width > 0 ? width - 1 : 0);
  column.append(width - TextWidth(column), ' ');
  return column;
}

std::string RightColumn(std::string_view text, std::size_t width) {
  const std::size_t shown = TextWidth(text);
  return std::string(shown < width ? width - shown : 1, ' ') + std::string(text);
}

std::string Wrapped(std::string_view text, std::size_t width, std::size_t indent) {
  std::string out, line;
  std::size_t lineWidth = 0;
  bool hasWord = false;
  const auto endLine = [&] {
    out += line + "\n";
    line.assign(indent, ' ');
    lineWidth = indent;
    hasWord = false;
  };
  // Each word goes with the blanks before it, so that a line that fits keeps its spacing (and
  // the first line the blanks it starts with); a break drops them.
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t start = std::min(text.find_first_not_of(' ', from), text.size());
    const std::size_t end = std::min(text.find(' ', start), text.size());
    const std::string_view blanks = text.substr(from, start - from);
    std::string_view word = text.substr(start, end - start);
    from = end;
    while (!word.empty()) {
      const std::string_view gap = hasWord || out.empty() ? blanks : std::string_view();
      const std::size_t room = width > lineWidth + gap.size() ? width - lineWidth - gap.size() : 0;
      const std::size_t wordWidth = TextWidth(word);
      if (wordWidth <= room || hasWord) {
        if (wordWidth > room) {
          endLine();
          continue;
        }
        line += gap;
        line += word;
        lineWidth += gap.size() + wordWidth;
        hasWord = true;
        break;
      }
      // A word longer than a whole line: as much as fits, the rest on the next line.
      const std::size_t cut = FirstCharacters(word, std::max<std::size_t>(room, 1)).size();
      line += gap;
      line += word.substr(0, cut);
      endLine();
      word = word.substr(cut);
    }
  }
  if (hasWord || out.empty()) out += line + "\n";
  return out;
}

}  // namespace tarnwick
