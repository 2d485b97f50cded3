#include "sim/report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarnwick {
namespace {

TEST(NumberPatterns, WholeNumbersRoundedAwayFromZero) {
  EXPECT_EQ(FormatFeet(1215.2695), "1215ft");
  EXPECT_EQ(FormatFeet(-572.5136), "-573ft");
  EXPECT_EQ(FormatFeet(2.5), "3ft");
  EXPECT_EQ(FormatFeet(-2.5), "-3ft");
  EXPECT_EQ(FormatFeet(123456.4), "123456ft");  // more digits than the pattern shows
  EXPECT_EQ(FormatSeconds(65.44), "65 sec.");
  EXPECT_EQ(FormatSeconds(49.5), "50 sec.");
}

TEST(NumberPatterns, ZeroIsWrittenAsADigit) {
  EXPECT_EQ(FormatFeet(0), "0ft");
  EXPECT_EQ(FormatFeet(0.49), "0ft");
  EXPECT_EQ(FormatFeet(-0.49), "0ft");
  EXPECT_EQ(FormatFeet(-0.0), "0ft");
  EXPECT_EQ(FormatSeconds(0), "0 sec.");
}

RunResult WindExampleResult() {
  RunResult r;
  r.pullDownrange = {0, -572.5136f, 994.1334f};
  r.pullTime = {0, 65.47f, 50.11f};
  r.finalDownrange = {0, -572.5f, 994.1334f};
  r.firstPullSeparation = 1528.1521;
  return r;
}

TEST(Report, LinesOfTheResultsPanel) {
  const std::vector<std::string> expected = {
      "",
      " Jumper 1 downrange -573ft  fall time 65 sec.",
      " Jumper 2 downrange 994ft  fall time 50 sec.",
      "",
      " Separations (horizontal):",
      "  When first jumper pulls: 1528ft",
      "  Between deployment points: 1567ft",
      "  When last jumper pulls: 1567ft",
  };
  EXPECT_EQ(ReportLines(WindExampleResult()), expected);
}

TEST(Report, PrintingReplacesThePanelLineByLine) {
  Canvas panel;
  panel.Print("an old report");
  PrintReport(panel, WindExampleResult());
  const std::vector<std::string> lines = ReportLines(WindExampleResult());
  ASSERT_EQ(panel.Texts().size(), 6u);  // the two empty lines print nothing
  const float lineHeight = panel.Figures()[1].y1 - panel.Figures()[0].y1;
  EXPECT_GT(lineHeight, 0);
  for (const Figure& f : panel.Figures()) {
    const std::string& text = panel.Texts()[f.textIndex];
    const auto row = std::find(lines.begin(), lines.end(), text) - lines.begin();
    EXPECT_EQ(f.x1, 0);
    EXPECT_FLOAT_EQ(f.y1, row * lineHeight) << text;
  }
}

TEST(Report, NoteUnderThePlotReadsAsOneLine) {
  Canvas plot;
  plot.SetUserScale(-6100, 15000, 12200, -13500);
  PrintPlotNote(plot);
  ASSERT_EQ(plot.Texts().size(), 2u);
  EXPECT_EQ(plot.Texts()[0], " Points plotted every 2 seconds");
  EXPECT_EQ(plot.Texts()[1], " after 1st group exits. ");
  const Figure& first = plot.Figures()[0];
  const Figure& second = plot.Figures()[1];
  EXPECT_EQ(first.x1, -2000);
  EXPECT_EQ(first.y1, 2500);
  EXPECT_GT(second.x1, -2000);
  EXPECT_EQ(second.y1, 2500);
  EXPECT_EQ(plot.CurrentX, -6100);  // the second print ended the line
}

}  // namespace
}  // namespace tarnwick
