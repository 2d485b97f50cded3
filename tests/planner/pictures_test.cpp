// The pictures as files: what they show, and that the SVGs are well-formed.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "entry/scenario_setup.h"
#include "planner/picture_file.h"
#include "planner/plot_picture.h"
#include "planner/recommendation.h"
#include "planner/separation_chart.h"
#include "sim/plot_frame.h"
#include "sim/simulation.h"

namespace tarnwick {
namespace {

constexpr QRgb kWhiteTrack = 0xFFFFFF;
constexpr QRgb kYellowTrack = 0xFFFF00;
constexpr QRgb kFrameBlack = 0x000000;

int RunCommand(const std::vector<std::string>& args, std::string* out = nullptr) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.commandLine.has_value()) << parsed.error;
  std::ostringstream o, e;
  const int status = RunHeadlessMode(*parsed.commandLine, o, e);
  EXPECT_EQ(e.str(), "");
  if (out != nullptr) *out = o.str();
  return status;
}

QRgb Rgb(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFF;
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += Rgb(image, x, y) == colour;
  }
  return n;
}

// True when a pixel of `colour` lies within `radius` pixels of (x, y).
bool ColourNear(const QImage& image, double x, double y, QRgb colour, int radius = 3) {
  for (int dy = -radius; dy <= radius; ++dy) {
    for (int dx = -radius; dx <= radius; ++dx) {
      const int px = static_cast<int>(x) + dx;
      const int py = static_cast<int>(y) + dy;
      if (image.valid(px, py) && Rgb(image, px, py) == colour) return true;
    }
  }
  return false;
}

void ExpectWellFormedSvg(const QString& path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  bool sawSvg = false;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("svg")) {
      sawSvg = true;
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(sawSvg);
  EXPECT_TRUE(QSvgRenderer(path).isValid()) << path.toStdString();
}

class PicturesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string PathOf(const char* name) const { return dir_.filePath(name).toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(PicturesTest, PlotPngShowsTheFrameAndBothTracksWhereTheWindowDrawsThem) {
  std::string withPlot, without;
  ASSERT_EQ(RunCommand({"--report", "--plot", PathOf("plot.png")}, &withPlot), 0);
  ASSERT_EQ(RunCommand({"--report"}, &without), 0);
  EXPECT_EQ(withPlot, without);  // drawing changes no number

  const QImage image(QString::fromStdString(PathOf("plot.png")));
  ASSERT_FALSE(image.isNull());
  const double ratio = 2;
  EXPECT_EQ(image.size(), QSize(866, 972));

  // The window's geometry: the same canvas set-up maps feet to pixels.
  Canvas geometry;
  SetUpMainWindowPlot(geometry, QGuiApplication::font());
  auto px = [&](double feet) { return geometry.ToPixelX(geometry.Scale(), feet) * ratio; };
  auto py = [&](double feet) { return geometry.ToPixelY(geometry.Scale(), feet) * ratio; };

  // The grey button face fills the background.
  const QRgb background = QGuiApplication::palette().color(QPalette::Window).rgb() & 0xFFFFFF;
  EXPECT_EQ(Rgb(image, 2, 2), background);
  EXPECT_GT(CountColour(image, background), image.width() * image.height() / 2);

  // The altitude axis of the frame stands at the exit point, from 3000 ft to 14000 ft.
  Scenario design;
  design.exitDelay = 5;
  for (double feet : {4000.0, 8000.0, 12000.0}) {
    EXPECT_TRUE(ColourNear(image, px(AltitudeAxisX(design)), py(feet), kFrameBlack)) << feet;
  }
  // The default run: each jumper's track ends where that run, computed without any picture,
  // has it open (white the first, yellow the second); the second rides along 14000 ft with
  // the aircraft for 5 s before it jumps.
  Module1 module;
  module.scenario = PrepareScenario("", {}, [] {});
  const RunResult run = RunSimulation(module, nullptr, nullptr, nullptr).result;
  EXPECT_TRUE(ColourNear(image, px(run.pullDownrange[1]), py(3000), kWhiteTrack));
  EXPECT_TRUE(ColourNear(image, px(run.pullDownrange[2]), py(3000), kYellowTrack));
  EXPECT_TRUE(ColourNear(image, px(300), py(14000), kYellowTrack));
  EXPECT_FALSE(ColourNear(image, px(run.pullDownrange[2]), py(3000), kWhiteTrack));
  EXPECT_GT(CountColour(image, kWhiteTrack), 300);
  EXPECT_GT(CountColour(image, kYellowTrack), 300);
  // The note under the axis, in the frame's black.
  EXPECT_TRUE(ColourNear(image, px(-1500), py(2500) + 8 * ratio, kFrameBlack, 8));
}

TEST_F(PicturesTest, PlotSvgIsWellFormed) {
  ASSERT_EQ(RunCommand({"--report", "3", "--plot", PathOf("plot.SVG")}), 0);
  ExpectWellFormedSvg(dir_.filePath("plot.SVG"));
}

TEST_F(PicturesTest, ChartShowsTheSeparationsAndTheTargetOnlyWhenGiven) {
  const QRgb firstPullBlue = 0x0072B2;
  const QRgb targetOrange = 0xD55E00;
  ASSERT_EQ(RunCommand({"--sweep", "exit-delay=0:30:1", "--chart", PathOf("plain.png")}), 0);
  ASSERT_EQ(RunCommand({"--sweep", "exit-delay=0:30:1", "--recommend-delay", "1500", "--chart",
                        PathOf("target.png")}),
            0);
  const QImage plain(QString::fromStdString(PathOf("plain.png")));
  const QImage target(QString::fromStdString(PathOf("target.png")));
  ASSERT_EQ(plain.size(), QSize(2 * kChartWidthPx, 2 * kChartHeightPx));
  EXPECT_GT(CountColour(plain, firstPullBlue), 500);
  EXPECT_GT(CountColour(target, firstPullBlue), 500);
  EXPECT_EQ(CountColour(plain, targetOrange), 0);
  EXPECT_GT(CountColour(target, targetOrange), 500);
}

// Two jumpers who pass the opening altitude in the same step open side by side at the distance
// between their deployment points, though the report says 0 "when first jumper pulls": the
// chart's "safe from" line judges them as the recommendation does, not by the report's 0.
TEST(SeparationChart, SafeFromAgreesWithTheRecommendationWhenBothOpenTogether) {
  std::vector<SweepRow> rows(3);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].index = i;
    rows[i].run.scenario.exitDelay = 15.2f + 0.1f * static_cast<float>(i);
    rows[i].result.pullTime = {0, 65.5f, 50.1f};
    rows[i].result.pullDownrange = {0, -572.5f, 2381.6f};  // 2954.1 ft apart
    rows[i].result.finalDownrange = rows[i].result.pullDownrange;
    rows[i].result.firstPullSeparation = 1200;
  }
  rows[0].result.firstPullSeparation = 800;  // 15.2 s: short of 1000 ft
  rows[2].result.firstPullSeparation = 0;    // 15.4 s: 65.5 = 50.1 + 15.4, the same step
  SweepRange range = ExitDelayGrid();
  range.from = 152;
  range.to = 154;

  const SeparationChart chart = ChartOfSweep(range, rows, 1000.0);
  ASSERT_TRUE(chart.safeFrom.has_value());
  EXPECT_DOUBLE_EQ(*chart.safeFrom, 15.3);
  EXPECT_EQ(RecommendExitDelay(rows, 1000).recommended, std::optional<std::size_t>(1));
}

TEST_F(PicturesTest, ChartSvgIsWellFormedForAnyField) {
  ASSERT_EQ(RunCommand({"--sweep", "ias=60:140:20", "--chart", PathOf("ias.svg")}), 0);
  ASSERT_EQ(RunCommand({"--sweep", "lower-wind=10:10:1", "--chart", PathOf("one.svg")}), 0);
  ExpectWellFormedSvg(dir_.filePath("ias.svg"));
  ExpectWellFormedSvg(dir_.filePath("one.svg"));
}

}  // namespace
}  // namespace tarnwick
