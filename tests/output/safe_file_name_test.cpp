// File names made from what a user typed (a load's name, a briefing's title): never a folder,
// a drive, a wildcard or a hidden file, and still the user's words.
#include "output/safe_file_name.h"

#include <gtest/gtest.h>

namespace tarnwick {
namespace {

TEST(SafeFileName, EveryCharacterAFileSystemOrADialogRefusesBecomesADash) {
  EXPECT_EQ(SafeFileName("Briefing: Saturday load 7", "x"), "Briefing- Saturday load 7");
  EXPECT_EQ(SafeFileName("a/b\\c:d*e?f\"g<h>i|j", "x"), "a-b-c-d-e-f-g-h-i-j");
  // Control characters: a tab, DEL and the C1 control U+0085 (0xC2 0x85).
  EXPECT_EQ(SafeFileName("a\tb\x7F"
                         "c\xC2\x85"
                         "d",
                         "x"),
            "a-b-c-d");
  // Other characters stay, whatever their script: "é" is 0xC3 0xA9, U+00A0 is 0xC2 0xA0.
  EXPECT_EQ(SafeFileName("Caf\xC3\xA9\xC2\xA0"
                         "crew",
                         "x"),
            "Caf\xC3\xA9\xC2\xA0"
            "crew");
}

TEST(SafeFileName, NoHiddenFileNoTrailingDotAndNeverEmpty) {
  EXPECT_EQ(SafeFileName("  ..load 7. ", "x"), "load 7");
  EXPECT_EQ(SafeFileName("", "Untitled"), "Untitled");
  EXPECT_EQ(SafeFileName(" . ", "Untitled"), "Untitled");
  EXPECT_EQ(SafeFileName("..", "Untitled"), "Untitled");
}

}  // namespace
}  // namespace tarnwick
