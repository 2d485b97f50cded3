#include "output/printable_text.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

// The expected escapes are written out by hand from the character tables: C0 controls and DEL
// as \xNN, C1 controls (U+0080..U+009F) and the line and paragraph separators as \uNNNN.
TEST(PrintableText, ControlCharactersNeverReachTheTerminal) {
  EXPECT_EQ(PrintableText("a\nb"), "a\\x0ab");
  EXPECT_EQ(PrintableText("\r\t"), "\\x0d\\x09");
  EXPECT_EQ(PrintableText("\x1b[31mred"), "\\x1b[31mred");
  EXPECT_EQ(PrintableText("\x7f"), "\\x7f");
  EXPECT_EQ(PrintableText(std::string_view("a\0b", 3)), "a\\x00b");
  EXPECT_EQ(PrintableText("\xc2\x85next line"), "\\u0085next line");
  EXPECT_EQ(PrintableText("\xc2\x9b"
                          "31m"),
            "\\u009b31m");
  EXPECT_EQ(PrintableText("a\xe2\x80\xa8"
                          "b\xe2\x80\xa9"),
            "a\\u2028b\\u2029");
}

// The bidirectional controls from Unicode's Bidi_Control list: an override or isolate would
// make the rest of the line read backwards ("\u202e" before "txt.exe" shows "exe.txt").
TEST(PrintableText, BidirectionalControlsCannotReorderTheLine) {
  EXPECT_EQ(PrintableText("a\xe2\x80\xae"
                          "gpj.exe"),
            "a\\u202egpj.exe");  // right-to-left override
  EXPECT_EQ(PrintableText("\xe2\x80\xaa\xe2\x80\xab\xe2\x80\xac\xe2\x80\xad"),
            "\\u202a\\u202b\\u202c\\u202d");  // embeddings, pop, left-to-right override
  EXPECT_EQ(PrintableText("\xe2\x81\xa6\xe2\x81\xa9"), "\\u2066\\u2069");  // isolates
  EXPECT_EQ(PrintableText("\xe2\x80\x8e\xe2\x80\x8f\xd8\x9c"),
            "\\u200e\\u200f\\u061c");  // the marks
  // Their neighbours are ordinary: an en dash (U+2013) and the per mille sign (U+2030).
  EXPECT_EQ(PrintableText("\xe2\x80\x93\xe2\x80\xb0"), "\xe2\x80\x93\xe2\x80\xb0");
}

TEST(PrintableText, OrdinaryTextStaysAndEveryEscapeIsUnambiguous) {
  EXPECT_EQ(PrintableText("chart 1.png"), "chart 1.png");
  EXPECT_EQ(PrintableText("Höhe \xe2\x82\xac"), "Höhe \xe2\x82\xac");  // ö and the euro sign
  EXPECT_EQ(PrintableText("a\\x0a"), "a\\\\x0a");  // a typed backslash is not an escape
  EXPECT_EQ(QuotedText("x\ny"), "\"x\\x0ay\"");
}

TEST(PrintableText, BytesThatAreNotUtf8AreEscaped) {
  EXPECT_EQ(PrintableText("\xff"), "\\xff");
  EXPECT_EQ(PrintableText("\xe2\x80"), "\\xe2\\x80");           // cut short
  EXPECT_EQ(PrintableText("\xc0\x8a"), "\\xc0\\x8a");           // an overlong line feed
  EXPECT_EQ(PrintableText("\xed\xa0\x80"), "\\xed\\xa0\\x80");  // a surrogate
}

TEST(PrintableText, CharactersAreCountedAndCutWhole) {
  EXPECT_EQ(CharacterCount("abc"), 3u);
  EXPECT_EQ(CharacterCount("H\xc3\xb6he \xe2\x82\xac"), 6u);  // ö and the euro sign count one
  EXPECT_EQ(CharacterCount("\xff\xe2\x80"), 3u);              // each stray byte counts one
  EXPECT_EQ(ShortenedText("abc", 3), "abc");
  EXPECT_EQ(ShortenedText("abcd", 3), "abc\xe2\x80\xa6");  // U+2026, the ellipsis
  EXPECT_EQ(ShortenedText("\xc3\xb6\xc3\xb6\xc3\xb6", 2), "\xc3\xb6\xc3\xb6\xe2\x80\xa6");
}

}  // namespace
}  // namespace tarnwick
