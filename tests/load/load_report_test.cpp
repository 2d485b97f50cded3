// The report every view of a load's outcome shows, and the text table and result JSON made
// from it: a load of one group has no least separation, names never steer the terminal nor
// run into the numbers, and every line keeps to 80 columns.
#include "load/load_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "load/load_table.h"
#include "load/result_json.h"
#include "output/text_columns.h"
#include "tests/load/load_test_support.h"

namespace tarnwick::load {
namespace {

using testing::GroupOf;
constexpr auto kSlow = FallRate::Kind::Slow;
constexpr auto kFast = FallRate::Kind::Fast;

// A fast group out before slower ones into a 20 kt headwind aloft: the first warns about the
// second by name.
Load Named(const std::vector<std::string>& names) {
  Load load;
  WindLayer upper;
  upper.above = 6000;
  upper.wind = Headwind{20};
  load.winds = {upper, WindLayer{}};
  for (std::size_t k = 0; k < names.size(); ++k) {
    load.groups.push_back(GroupOf(k == 0 ? kFast : kSlow, 9.7f));
    load.groups.back().name = names[k];
  }
  return load;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

TEST(LoadReport, OneGroupHasNoLeastSeparation) {
  LoadRequest request;
  request.recommend = request.bestOrder = true;
  const LoadOutcome one = PlanLoad(Named({"Solo"}), request);
  EXPECT_FALSE(MakeLoadReport(one).leastSeparation);
  const std::string table = LoadTableText(one);
  EXPECT_NE(table.find("Least separation: none (one group)\n"), std::string::npos) << table;
  EXPECT_EQ(table.find("Least separation: 0"), std::string::npos) << table;
  EXPECT_NE(ResultJsonText(one).find("\"minimumSeparation\": null"), std::string::npos);

  // Two groups have one pair, and its separation is the least.
  const LoadOutcome two = PlanLoad(Named({"A", "B"}), {});
  const LoadReport report = MakeLoadReport(two);
  ASSERT_TRUE(report.leastSeparation);
  EXPECT_EQ(report.leastSeparation->text, report.pairs.at(0).separation.text);
  EXPECT_NE(LoadTableText(two).find("Least separation: " + report.leastSeparation->text),
            std::string::npos);
}

TEST(LoadReport, NamesCannotSteerTheTerminal) {
  // ESC with a CSI and an OSC sequence, CR, a newline, BEL, the C1 CSI (U+009B) and the
  // right-to-left override (U+202E).
  const std::string hostile =
      "red\x1b[31m \x1b]0;title\x07 a\rb\nc \xc2\x9b"
      "2J \xe2\x80\xae"
      "gpj.exe";
  LoadRequest request;
  request.recommend = request.bestOrder = true;
  const std::string table = LoadTableText(PlanLoad(Named({hostile, "Belly"}), request));
  for (const char c : table) {
    EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20) << int(c) << "\n" << table;
  }
  EXPECT_EQ(table.find("\xc2\x9b"), std::string::npos);
  EXPECT_EQ(table.find("\xe2\x80\xae"), std::string::npos);
  // No row is split: the group's row follows the column titles and units, Belly's row it.
  const std::vector<std::string> lines = Lines(table);
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[2].rfind("red\\x1b[31m \\x1b", 0), 0u) << table;
  EXPECT_EQ(lines[3].rfind("Belly ", 0), 0u) << table;
  // The warning that names it whole is escaped too.
  EXPECT_NE(table.find("a\\x0db\\x0ac"), std::string::npos) << table;
  EXPECT_NE(table.find("\\u009b2J"), std::string::npos) << table;
  EXPECT_NE(table.find("\\u202egpj.exe"), std::string::npos) << table;
}

TEST(LoadReport, LongNamesAreShortenedAndNeverRunIntoTheNumbers) {
  const std::string umlauts = [] {
    std::string text;
    for (int i = 0; i < 30; ++i) text += "\xc3\x84";  // Ä, two bytes each
    return text;
  }();
  const Load load = Named({"AFF + 2 instructors #4", "Tandem Smith + video Jones", umlauts});
  LoadRequest request;
  request.recommend = request.bestOrder = true;
  const LoadOutcome outcome = PlanLoad(load, request);
  const LoadReport report = MakeLoadReport(outcome);
  const std::string table = LoadTableText(outcome);
  const std::vector<std::string> lines = Lines(table);
  for (const std::string& line : lines) EXPECT_LE(TextWidth(line), 80u) << line;

  // Each group's row: the name cut to 18 code points and "…", then the numbers, each apart.
  const std::string ellipsis = "\xe2\x80\xa6";
  const std::vector<std::string> shortNames{"AFF + 2 instructor" + ellipsis,
                                            "Tandem Smith + vid" + ellipsis,
                                            umlauts.substr(0, 36) + ellipsis};
  for (std::size_t k = 0; k < shortNames.size(); ++k) {
    const auto row = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.rfind(shortNames[k] + " ", 0) == 0;
    });
    ASSERT_NE(row, lines.end()) << shortNames[k] << "\n" << table;
    const GroupRow& g = report.groups[k];
    const std::vector<std::string> expected{g.delay ? g.delay->number : "-",
                                            g.exitTime.number,
                                            g.fallTime.number,
                                            g.opening.number,
                                            g.downrange.number,
                                            g.crossrange.number};
    EXPECT_EQ(Words(row->substr(shortNames[k].size())), expected) << *row;
  }
  EXPECT_NE(table.find("before Tandem Smith + vid" + ellipsis + " "), std::string::npos);
  EXPECT_EQ(table.find("before Tandem Smith + video Jones"), std::string::npos);

  // Warnings wrap at 80 columns under their first word; the JSON keeps every name whole.
  ASSERT_FALSE(report.warnings.empty());
  bool inWarnings = false;
  for (const std::string& line : lines) {
    if (line == "Warnings:") inWarnings = true;
    if (inWarnings && line != "Warnings:") {
      EXPECT_TRUE(line.rfind("  - ", 0) == 0 || line.rfind("    ", 0) == 0) << line;
    }
  }
  const std::string json = ResultJsonText(outcome);
  EXPECT_NE(json.find("\"AFF + 2 instructors #4\""), std::string::npos);
  EXPECT_NE(json.find("\"" + umlauts + "\""), std::string::npos);
}

TEST(LoadReport, NumbersAndColumnUnitsAreInTheLoadsUnits) {
  Load load = Named({"A", "B"});
  load.units.altitude = load.units.distance = LengthUnit::Metres;
  LoadRequest request;
  request.bestOrder = true;
  const LoadReport report = MakeLoadReport(PlanLoad(load, request));
  EXPECT_EQ(report.groupColumns[1].unit, "s");
  EXPECT_EQ(report.groupColumns[4].unit, "m");
  EXPECT_EQ(report.pairColumns[5].unit, "m");
  EXPECT_EQ(report.groups[1].opening.text, "914 m");  // 3000 ft
  EXPECT_EQ(report.groups[1].delay->text, "9.7 s");
  EXPECT_EQ(report.groups[1].call->text, "10 s");
  EXPECT_TRUE(report.groups[1].callRounds);
  EXPECT_EQ(report.target.text, "305 m");  // 1000 ft
  ASSERT_TRUE(report.bestOrder && report.bestOrder->found);
  EXPECT_EQ(report.bestOrder->order.size(), 2u);
  EXPECT_FALSE(report.bestOrder->order[0].call);
}

}  // namespace
}  // namespace tarnwick::load
