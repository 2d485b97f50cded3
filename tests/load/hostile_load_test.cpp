// Load files a careless or hostile hand could write: each is refused with one line that names
// the field in the user's words and echoes nothing raw, or, where the format allows it, flown.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "load/load_file.h"
#include "load/load_limits.h"
#include "load/load_outcome.h"
#include "output/printable_text.h"
#include "tests/load/example_load.h"

namespace tarnwick::load {
namespace {

using testing::Edited;
using testing::kExample;

// A refusal is one line that a terminal shows as it is: nothing in it needs escaping, so no raw
// byte of the file (a control character, a byte that is not UTF-8) came through.
void ExpectOneCleanLine(const std::string& error) {
  EXPECT_FALSE(error.empty());
  std::string unescaped = error;  // but for the backslashes of escapes, which it would double
  std::erase(unescaped, '\\');
  EXPECT_EQ(PrintableText(unescaped), unescaped) << error;
  EXPECT_EQ(error.find("json.exception"), std::string::npos) << error;
}

std::string Refusal(const std::string& text) {
  const ReadLoad read = ReadLoadText(text);
  EXPECT_FALSE(read.load) << text.substr(0, 200);
  ExpectOneCleanLine(read.error);
  return read.error;
}

TEST(HostileLoad, NumbersBeyondADoubleAreRefusedByTheirField) {
  EXPECT_EQ(Refusal(Edited("\"exitAltitude\": 13500", "\"exitAltitude\": 1e309")),
            "aircraft.exitAltitude: is a number too large to be read");
  EXPECT_EQ(Refusal(Edited("\"delay\": 9", "\"delay\": " + std::string(400, '7'))),
            "groups[1].delay: is a number too large to be read");
  EXPECT_EQ(Refusal(Edited("\"headwind\": 5", "\"headwind\": -1e400")),
            "winds[2].headwind: is a number too large to be read");
}

TEST(HostileLoad, NestingIsRefusedBeforeItIsBuilt) {
  // 100,000 arrays in a member followed by another member: one line, not a crash. The path is
  // cut at 100 characters.
  const std::string deep = std::string(100000, '[') + std::string(100000, ']');
  std::string path = "x";
  for (int i = 0; i < 33; ++i) path += "[0]";
  EXPECT_EQ(
      Refusal(Edited("\"jumpRunHeading\": 270", "\"x\": " + deep + ", \"jumpRunHeading\": 270")),
      path + "\u2026: lists and objects are nested more than 64 levels deep");
  // The limit itself: the file's object and 63 lists in it are read (to find the field unknown),
  // one more is not.
  const auto nested = [](int lists) {
    return Edited("\"jumpRunHeading\"", "\"y\": " + std::string(lists, '[') +
                                            std::string(lists, ']') + ", \"jumpRunHeading\"");
  };
  EXPECT_EQ(Refusal(nested(63)), "y: unknown field");
  EXPECT_NE(Refusal(nested(64)).find("nested more than 64 levels"), std::string::npos);
}

TEST(HostileLoad, SyntaxErrorsSayWhereAndWhatWithoutTheBytes) {
  // Counted by hand: line 3 is `  "aircraft": ,`, the comma is its 15th character.
  EXPECT_EQ(Refusal("{ \"format\": \"tarnwick-load\",\n  \"version\": 1,\n  \"aircraft\": ,\n}"),
            "line 3, column 15: expected a value");
  // An invalid UTF-8 byte in a string, the third character of line 2 (the second is two bytes).
  EXPECT_EQ(Refusal("{\n\"\xc3\xa9\xff\" }"),
            "line 2, column 3: invalid string: ill-formed UTF-8 byte");
  // A broken byte order mark.
  EXPECT_EQ(Refusal("\xef\xbb{}"),
            "line 1, column 3: invalid BOM; must be 0xEF 0xBB 0xBF if given");
  // The end of a text is just past its last character.
  EXPECT_EQ(Refusal("{ \"format\": \"tarnwick-load\",\n  \"version\": "),
            "line 2, column 14: the text ends too early");
  EXPECT_EQ(Refusal("{}\n }"), "line 2, column 2: more text after the end");
  EXPECT_EQ(Refusal("{} x"), "line 1, column 4: more text after the end");
  EXPECT_EQ(Refusal("{ \"format\" 1 }"), "line 1, column 12: expected ':' after the field name");
  EXPECT_EQ(Refusal("{ format: 1 }"), "line 1, column 4: expected a field name in double quotes");
  EXPECT_EQ(Refusal("[1 2]"), "line 1, column 4: expected ',' or ']'");
  EXPECT_EQ(Refusal(" \n "), "the file is empty");
  // A whole byte order mark is allowed, as editors write one.
  EXPECT_TRUE(ReadLoadText("\xef\xbb\xbf" + kExample).load);
}

TEST(HostileLoad, UnknownFieldsAreRefusedWithTheNearestKnownName) {
  const struct {
    std::string from, to, error;
  } cases[] = {
      {"\"minimumDelay\"", "\"minimumDelays\"",
       "minimumDelays: unknown field; did you mean minimumDelay?"},
      {"\"distance\"", "\"Distance\"", "units.Distance: unknown field; did you mean distance?"},
      {"\"exitAltitude\"", "\"exitAltitud\"",
       "aircraft.exitAltitud: unknown field; did you mean exitAltitude?"},
      {"\"above\": 3000, \"headwind\"", "\"above\": 3000, \"headwnd\"",
       "winds[1].headwnd: unknown field; did you mean headwind?"},
      {"\"openingAltitude\"", "\"openingAltitud\"",
       "group 3 \"Tandem\" (groups[2].openingAltitud): unknown field; did you mean "
       "openingAltitude?"},
      {"\"delay\": 9", "\"Delay\": 9",
       "group 2 \"Freefly 3\" (groups[1].Delay): unknown field; did you mean delay?"},
      {"\"atAltitude\"", "\"altitude\"",
       "group 3 \"Tandem\" (groups[2].fallRate.altitude): unknown field; did you mean atAltitude?"},
      // Nothing near: no guess; and the name is escaped.
      {"\"jumpRunHeading\"", "\"\\u001b[2J\"", "\\x1b[2J: unknown field"},
  };
  for (const auto& c : cases) EXPECT_EQ(Refusal(Edited(c.from, c.to)), c.error);
}

TEST(HostileLoad, AFieldGivenTwiceOrAFallRateGivenTwoWaysIsRefused) {
  EXPECT_EQ(Refusal(Edited("\"delay\": 9", "\"delay\": 9, \"delay\": 20")),
            "groups[1].delay: is given twice");
  EXPECT_EQ(Refusal(Edited("\"version\": 1,", "\"version\": 1, \"version\": 1,")),
            "version: is given twice");
  EXPECT_EQ(
      Refusal(Edited("{ \"terminalSpeed\": 120,", "{ \"dragArea\": 8, \"terminalSpeed\": 120,")),
      "group 3 \"Tandem\" (groups[2].fallRate): has a dragArea and a terminalSpeed; give one");
  EXPECT_EQ(Refusal(Edited("\"fallRate\": \"fast\"",
                           "\"fallRate\": { \"dragArea\": 3, \"unit\": \"kt\" }")),
            "group 2 \"Freefly 3\" (groups[1].fallRate.unit): goes with terminalSpeed only");
}

TEST(HostileLoad, NamesAndLayersHaveDocumentedLimits) {
  // 100 characters are a name, 101 are not; two-byte characters count once.
  const std::string e100 = [] {
    std::string s;
    for (int i = 0; i < 100; ++i) s += "\xc3\xa9";
    return s;
  }();
  EXPECT_TRUE(ReadLoadText(Edited("\"Tandem\"", '"' + e100 + '"')).load);
  EXPECT_EQ(Refusal(Edited("\"Tandem\"", '"' + e100 + "e\"")),
            "group 3 (groups[2].name): must be at most 100 characters long");
  EXPECT_EQ(Refusal(Edited("\"version\": 1,",
                           "\"version\": 1, \"name\": \"" + std::string(101, 'n') + "\",")),
            "name: must be at most 100 characters long");
  EXPECT_EQ(limits::kMaxNameLength, 100);

  // 64 layers, 100 ft apart below the exit, are winds; 65 are not.
  const auto layers = [](int count) {
    std::string winds;
    for (int i = 0; i < count - 1; ++i) {
      winds += "{ \"above\": " + std::to_string(13000 - 100 * i) + ", \"headwind\": 5 }, ";
    }
    return winds + "{ \"headwind\": 5 }";
  };
  const std::string given = R"({ "above": 9000, "speed": 35, "from": 250 },
             { "above": 3000, "headwind": 12 },
             { "headwind": 5 })";
  EXPECT_TRUE(ReadLoadText(Edited(given, layers(64))).load);
  EXPECT_EQ(Refusal(Edited(given, layers(65))), "winds: at most 64 layers");
}

TEST(HostileLoad, NoAirspeedFliesInCalmAirAndRefusesOnlyARealCrosswind) {
  const std::string calm = Edited("\"indicatedAirspeed\": 80", "\"indicatedAirspeed\": 0");
  const std::string winds = R"({ "above": 9000, "speed": 35, "from": 250 },
             { "above": 3000, "headwind": 12 },
             { "headwind": 5 })";
  std::string text = calm;
  text.replace(text.find(winds), winds.size(), "{ \"headwind\": 10 }");
  const ReadLoad read = ReadLoadText(text);
  ASSERT_TRUE(read.load) << read.error;
  LoadRequest request;
  request.recommend = true;
  request.bestOrder = true;
  const LoadOutcome outcome = PlanLoad(*read.load, request);
  // Standing still in the air, the aircraft drifts back with the 10 kt headwind, 16.88 ft/s.
  EXPECT_EQ(outcome.flight.trueAirspeed, 0);
  EXPECT_NEAR(outcome.flight.aircraftGroundSpeed, -16.88, 1e-9);
  ASSERT_EQ(outcome.flight.groups.size(), 3u);
  for (const GroupResult& group : outcome.flight.groups) EXPECT_TRUE(group.opened);
  ASSERT_TRUE(outcome.recommendation && outcome.bestOrder);
  // A crosswind of any strength is more than no airspeed can hold the jump run against.
  EXPECT_NE(Refusal(calm).find("crosswind"), std::string::npos);
}

TEST(HostileLoad, GroupProblemsNameTheGroupAsTheWindowShowsIt) {
  EXPECT_EQ(Refusal(Edited("\"openingAltitude\": 5500", "\"openingAltitude\": 13500")),
            "group 3 \"Tandem\" (groups[2].openingAltitude): must lie above the landing area (0 "
            "ft) and below the exit altitude (13500 ft)");
  EXPECT_EQ(Refusal(Edited("\"name\": \"Freefly 3\", \"fallRate\": \"fast\"",
                           "\"name\": \"Free\\u001b]0;x\\u0007fly\", \"fallRate\": \"quick\"")),
            "group 2 \"Free\\x1b]0;x\\x07fly\" (groups[1].fallRate): must be \"slow\", \"fast\", { "
            "\"dragArea\": ... } or { \"terminalSpeed\": ... }");
  // A group without a name goes by the one the window gives it.
  EXPECT_EQ(Refusal(Edited("{ \"name\": \"Belly 4-way\", \"fallRate\": \"slow\" }",
                           "{ \"fallRate\": { \"dragArea\": 40 } }")),
            "group 1 \"Group 1\" (groups[0].fallRate.dragArea): gives a drag area of 40 sq ft, "
            "outside 1 to 20 sq ft");
}

TEST(HostileLoad, AFileIsReadOnceWithinItsLimitAndNamedInEveryRefusal) {
  char pattern[] = "/tmp/tarnwick-load-\nXXXXXX";  // a line break in the name, to be escaped
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string dir = pattern;
  const std::string shown = "\"/tmp/tarnwick-load-\\x0a" + dir.substr(dir.size() - 6);
  const auto put = [&dir](const std::string& name, const std::string& text) {
    std::ofstream(dir + '/' + name, std::ios::binary) << text;
    return dir + '/' + name;
  };
  // Exactly the limit is a load; one byte more is not read at all.
  const std::string padding(limits::kMaxLoadFileBytes - kExample.size(), ' ');
  const ReadLoad full = ReadLoadFile(put("full.json", kExample + padding));
  EXPECT_TRUE(full.load) << full.error;
  EXPECT_EQ(ReadLoadFile(put("over.json", kExample + padding + ' ')).error,
            shown + "/over.json\": is larger than 4 MiB");
  EXPECT_EQ(ReadLoadFile(dir).error, shown + "\": is a folder");
  ASSERT_EQ(mkfifo((dir + "/fifo").c_str(), 0600), 0);
  EXPECT_NE(ReadLoadFile(dir + "/fifo").error.find(": is not a regular file but a FIFO"),
            std::string::npos);
  EXPECT_EQ(ReadLoadFile(put("bad.json", "{ \"format\": ]")).error,
            shown + "/bad.json\": line 1, column 13: expected a value");
  std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
}  // namespace tarnwick::load
