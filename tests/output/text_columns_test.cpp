// Columns and lines for a terminal, counted in code points. "Ä" (U+00C4) is two bytes in UTF-8
// and "…" (U+2026) three, so a cut by bytes would show.
#include "output/text_columns.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

const std::string kA = "\xc3\x84";             // Ä
const std::string kEllipsis = "\xe2\x80\xa6";  // …

std::string Times(const std::string& text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

TEST(TextColumns, NamesAreShortenedByCodePointsWithAnEllipsis) {
  EXPECT_EQ(TextWidth(Times(kA, 5)), 5u);
  EXPECT_EQ(Shortened("Belly", 5), "Belly");
  EXPECT_EQ(Shortened("Belly 4-way", 5), "Bell" + kEllipsis);
  EXPECT_EQ(Shortened(Times(kA, 30), 10), Times(kA, 9) + kEllipsis);
  // A left column always ends in a blank; a right column never touches its left neighbour.
  EXPECT_EQ(LeftColumn("Tandem", 8), "Tandem  ");
  EXPECT_EQ(LeftColumn("Tandem Smith", 8), "Tandem" + kEllipsis + " ");
  EXPECT_EQ(LeftColumn(Times(kA, 8), 8), Times(kA, 6) + kEllipsis + " ");
  EXPECT_EQ(RightColumn("9.7", 6), "   9.7");
  EXPECT_EQ(RightColumn("123456", 6), " 123456");
}

TEST(TextColumns, LinesWrapAtBlanksWithAHangingIndent) {
  EXPECT_EQ(Wrapped("  - one two three", 12, 4), "  - one two\n    three\n");
  EXPECT_EQ(Wrapped("a  b", 10, 2), "a  b\n");  // a line that fits keeps its spacing
  // A word longer than a line starts a line of its own and is cut, by code points.
  EXPECT_EQ(Wrapped("x " + Times(kA, 10), 6, 2),
            "x\n  " + Times(kA, 4) + "\n  " + Times(kA, 4) + "\n  " + Times(kA, 2) + "\n");
  EXPECT_EQ(Wrapped("", 10, 2), "\n");
}

}  // namespace
}  // namespace tarnwick
