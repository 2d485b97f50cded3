#include "sim/plot_frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace tarnwick {
namespace {

using Kind = Figure::Kind;

int CountFigures(const Canvas& canvas, const std::function<bool(const Figure&)>& match) {
  int n = 0;
  for (const Figure& f : canvas.Figures()) n += match(f) ? 1 : 0;
  return n;
}

bool IsLine(const Figure& f, float x1, float y1, float x2, float y2) {
  return f.kind == Kind::Line && f.x1 == x1 && f.y1 == y1 && f.x2 == x2 && f.y2 == y2;
}

// The text printed as `text`, or null.
const Figure* FindText(const Canvas& canvas, const std::string& text) {
  for (const Figure& f : canvas.Figures()) {
    if (f.kind == Kind::Text && canvas.Texts()[f.textIndex] == text) return &f;
  }
  return nullptr;
}

Scenario MakeScenario(float exitDelay, std::int16_t firstSlow, std::int16_t secondSlow) {
  Scenario s;
  s.ias = 80;
  s.exitDelay = exitDelay;
  s.firstSlow = firstSlow;
  s.secondSlow = secondSlow;
  s.windChangeAltitude = 6000;
  s.upperWindSign = 1;
  s.lowerWindSign = 1;
  return s;
}

void ExpectAxisAndTicksAt(const Canvas& c, float a) {
  EXPECT_EQ(1, CountFigures(c, [&](const Figure& f) {
              return f.foreground && IsLine(f, a, 3000, a, 14000);
            }));
  EXPECT_EQ(56, CountFigures(c, [&](const Figure& f) {
              return f.foreground && f.kind == Kind::Line && f.x1 == a - 40 && f.x2 == a + 50 &&
                     f.y1 == f.y2;
            }));
  EXPECT_EQ(12, CountFigures(c, [&](const Figure& f) {
              return !f.foreground && f.colour == 12 && f.kind == Kind::Line && f.x1 == a - 120 &&
                     f.x2 == a + 120 && f.y1 == f.y2;
            }));
}

TEST(PlotFrame, DistanceAxisWithItsTicks) {
  Canvas c;
  DrawPlotFrame(c, MakeScenario(5, 1, 0));
  ASSERT_FALSE(c.Figures().empty());
  EXPECT_TRUE(c.Figures()[0].foreground && IsLine(c.Figures()[0], -6000, 2600, 6000, 2600));
  EXPECT_EQ(61, CountFigures(c, [](const Figure& f) {
              return f.foreground && f.kind == Kind::Line && f.x1 == f.x2 && f.y1 == 2600 &&
                     f.y2 == 2700;
            }));
  EXPECT_EQ(13, CountFigures(c, [](const Figure& f) {
              return f.foreground && f.kind == Kind::Line && f.x1 == f.x2 && f.y1 == 2600 &&
                     f.y2 == 2900;
            }));
  EXPECT_TRUE(IsLine(c.Figures()[61], 6000, 2600, 6000, 2700));
  EXPECT_TRUE(IsLine(c.Figures()[62], -6000, 2600, -6000, 2900));
}

TEST(PlotFrame, LeavingTogetherAlikeMovesTheAxisLeftAndDrawsTheFortyFiveDegreeLine) {
  for (const std::int16_t slow : {0, 1}) {
    Scenario s = MakeScenario(0, slow, slow);
    s.upperWind = 20;  // winds that would otherwise call for the shear line
    s.lowerWindSign = -1;
    s.lowerWind = 20;
    Canvas c;
    DrawPlotFrame(c, s);
    ExpectAxisAndTicksAt(c, -6000);
    const Figure& last = c.Figures().back();
    ASSERT_NE(FindText(c, "45 degrees"), nullptr);
    EXPECT_EQ(&last, FindText(c, "45 degrees"));
    EXPECT_EQ(last.x1, -5900);
    EXPECT_EQ(last.y1, 7500);
    const Figure& line = c.Figures()[c.Figures().size() - 2];
    EXPECT_TRUE(IsLine(line, -6000, 7500, 6000, 7500));
    EXPECT_EQ(line.colour, kRed);
    EXPECT_EQ(FindText(c, "Wind Shear Line"), nullptr);
  }
}

TEST(PlotFrame, LabelsStayPutWhereverTheAxisStands) {
  for (const float delay : {0.0f, 5.0f}) {
    Canvas c;
    DrawPlotFrame(c, MakeScenario(delay, 1, 1));
    const Figure* top = FindText(c, "14000 msl");
    const Figure* low = FindText(c, "5000 msl");
    ASSERT_TRUE(top && low);
    EXPECT_EQ(top->x1, -1100);
    EXPECT_EQ(top->y1, 14100);
    EXPECT_EQ(low->x1, -1000);
    EXPECT_EQ(low->y1, 5100);
  }
}

struct WindCase {
  float delay;
  std::int16_t firstSlow, secondSlow;
  float upperWind;
  std::int16_t upperSign;
  float lowerWind;
  std::int16_t lowerSign;
  bool shearLine;
};

TEST(PlotFrame, WindShearLineOnlyWhereTheSignedWindsDiffer) {
  const WindCase cases[] = {
      {0, 1, 0, 20, 1, 20, 1, false},  // different classes: axis at 0, equal winds
      {5, 1, 1, 0, 1, 0, -1, false},   // calm is calm whichever way the box is ticked
      {5, 0, 1, 20, 1, 20, 1, false}, {5, 0, 1, 20, 1, 20, -1, true},
      {0, 1, 0, 20, 1, 0, 1, true},   {5, 1, 1, 20, 1, 0, 1, true},
  };
  for (const WindCase& w : cases) {
    Scenario s = MakeScenario(w.delay, w.firstSlow, w.secondSlow);
    s.upperWind = w.upperWind;
    s.upperWindSign = w.upperSign;
    s.lowerWind = w.lowerWind;
    s.lowerWindSign = w.lowerSign;
    s.windChangeAltitude = 4500;
    Canvas c;
    DrawPlotFrame(c, s);
    ExpectAxisAndTicksAt(c, 0);
    EXPECT_EQ(FindText(c, "45 degrees"), nullptr);
    const Figure* label = FindText(c, "Wind Shear Line");
    const int redLines = CountFigures(c, [](const Figure& f) { return f.colour == kRed; });
    ASSERT_EQ(label != nullptr, w.shearLine) << w.delay << " " << w.upperWind;
    EXPECT_EQ(redLines, w.shearLine ? 1 : 0);
    if (label) {
      EXPECT_EQ(label->x1, 2300);
      EXPECT_EQ(label->y1, 4500);
      EXPECT_TRUE(IsLine(c.Figures()[c.Figures().size() - 2], -6000, 4500, 6000, 4500));
    }
  }
}

}  // namespace
}  // namespace tarnwick
