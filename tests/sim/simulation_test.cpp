#include "sim/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

#include "canvas/main_window_layout.h"
#include "sim/report.h"

namespace tarnwick {
namespace {

Scenario MakeScenario(float ias, float upperWind, float lowerWind, float exitDelay,
                      std::int16_t firstSlow, std::int16_t secondSlow) {
  Scenario s;
  s.ias = ias;
  s.upperWind = upperWind;
  s.upperWindSign = 1;
  s.lowerWind = lowerWind;
  s.lowerWindSign = 1;
  s.windChangeAltitude = 6000;
  s.exitDelay = exitDelay;
  s.firstSlow = firstSlow;
  s.secondSlow = secondSlow;
  return s;
}

// Calls `afterStep(step, module)` at each step's yield and counts the host calls.
class RecordingHost : public RunHost {
 public:
  RecordingHost(Module1& module, std::function<void(long, Module1&)> afterStep)
      : module_(module), afterStep_(std::move(afterStep)) {}
  void Yield() override {
    calls.push_back('Y');
    afterStep_(step_++, module_);
  }
  void WaitWhilePaused() override {
    calls.push_back('W');
    if (++waits >= resumeAfterWaits) module_.scenario.paused = 0;
  }
  void SlowPlottingDelay() override { calls.push_back('S'); }
  bool ShouldStop() const override { return stopAfterStep >= 0 && step_ > stopAfterStep; }

  std::string calls;
  int waits = 0;
  int resumeAfterWaits = 3;
  long stopAfterStep = -1;

 private:
  Module1& module_;
  std::function<void(long, Module1&)> afterStep_;
  long step_ = 0;
};

RunOutcome RunOnce(const Scenario& s, Canvas* plot = nullptr, Canvas* results = nullptr) {
  Module1 module;
  module.scenario = s;
  return RunSimulation(module, plot, results, nullptr);
}

// Every figure as the run draws it, before the canvas folds away the ones that later figures
// hide.
class DrawnFigures {
 public:
  explicit DrawnFigures(Canvas& canvas) : canvas_(canvas) {
    canvas_.OnChanged = [this] {
      const auto& kept = canvas_.Figures();
      if (canvas_.FiguresAdded() != seen_ && !kept.empty() &&
          kept.back().serial + 1 == canvas_.FiguresAdded()) {
        figures.push_back(kept.back());
      }
      seen_ = canvas_.FiguresAdded();
    };
  }
  ~DrawnFigures() { canvas_.OnChanged = nullptr; }
  std::vector<Figure> figures;

 private:
  Canvas& canvas_;
  std::uint32_t seen_ = 0;
};

std::vector<std::string> ReportOf(const Scenario& s) {
  Canvas results;
  RunOnce(s, nullptr, &results);
  return results.Texts();
}

TEST(Run, LeavingTogetherAlikeBothOpenAtTheSamePoint) {
  const std::vector<std::string> slow = {
      " Jumper 1 downrange 1215ft  fall time 65 sec.",
      " Jumper 2 downrange 1215ft  fall time 65 sec.",
      " Separations (horizontal):",
      "  When first jumper pulls: 0ft",
      "  Between deployment points: 0ft",
      "  When last jumper pulls: 0ft",
  };
  EXPECT_EQ(ReportOf(MakeScenario(80, 0, 0, 0, 1, 1)), slow);
  std::vector<std::string> fast = slow;
  fast[0] = " Jumper 1 downrange 1790ft  fall time 50 sec.";
  fast[1] = " Jumper 2 downrange 1790ft  fall time 50 sec.";
  EXPECT_EQ(ReportOf(MakeScenario(80, 0, 0, 0, 0, 0)), fast);
}

TEST(Run, HeadwindAloftSlowThenFast) {
  const std::vector<std::string> expected = {
      " Jumper 1 downrange -573ft  fall time 65 sec.",
      " Jumper 2 downrange 994ft  fall time 50 sec.",
      " Separations (horizontal):",
      "  When first jumper pulls: 1528ft",
      "  Between deployment points: 1567ft",
      "  When last jumper pulls: 1567ft",
  };
  EXPECT_EQ(ReportOf(MakeScenario(80, 20, 0, 5, 1, 0)), expected);
}

// The running sum of 0.01 s drifts: just below 5 after 500 additions, not below 18 after 1800.
TEST(Run, SecondJumperLeavesWhenTheRunningTimeReachesTheDelay) {
  for (const auto& [delay, exitStep] : {std::pair{5.0f, 501L}, std::pair{18.0f, 1800L}}) {
    Module1 module;
    module.scenario = MakeScenario(80, 0, 0, delay, 1, 1);
    long firstFallStep = -1;
    RecordingHost host(module, [&](long step, Module1& m) {
      if (firstFallStep < 0 && m.altitude[2] < 14000) firstFallStep = step;
    });
    const RunResult r = RunSimulation(module, nullptr, nullptr, &host).result;
    EXPECT_EQ(firstFallStep, exitStep);
    // The fall time runs from the delay, not from the step of the first fall.
    EXPECT_FLOAT_EQ(r.pullTime[2], static_cast<float>(r.steps * 0.01 - delay));
  }
}

TEST(Run, UnderCanopyAJumperSinksSlowlyAndDriftsWithTheLowerWind) {
  Module1 module;
  module.scenario = MakeScenario(80, 0, 10, 20, 0, 1);
  std::vector<double> altitudes;  // jumper 1's, after each step
  RecordingHost host(module, [&](long, Module1& m) { altitudes.push_back(m.altitude[1]); });
  const RunResult r = RunSimulation(module, nullptr, nullptr, &host).result;
  const long pullStep = std::lround(r.pullTime[1] * 100) - 1;
  ASSERT_LT(pullStep + 100, r.steps);
  EXPECT_LT(altitudes[pullStep], 3000);
  EXPECT_GE(altitudes[pullStep - 1], 3000);
  for (long step = pullStep + 1; step < r.steps; ++step) {
    EXPECT_NEAR(altitudes[step - 1] - altitudes[step], 0.1, 1e-9);
  }
  const double canopySeconds = (r.steps - 1 - pullStep) * 0.01;
  // Single-precision positions lose a little at every step over thousands of steps.
  EXPECT_NEAR(r.finalDownrange[1] - r.pullDownrange[1], -10 * 1.688 * canopySeconds, 0.5);
}

TEST(Run, TracksMarkersAndTheAngleOnlyWhenLeavingTogetherAlike) {
  struct Case {
    float delay;
    std::int16_t firstSlow, secondSlow;
    bool anglePlot;
  };
  for (const Case& c : {Case{0, 1, 1, true}, Case{0, 0, 1, false}, Case{5, 1, 1, false}}) {
    Canvas plot;
    DrawnFigures drawn(plot);
    const RunResult r =
        RunOnce(MakeScenario(80, 0, 0, c.delay, c.firstSlow, c.secondSlow), &plot).result;
    int markers[2] = {}, anglePoints = 0, sightLines = 0, tracks[2] = {};
    const Figure* firstMarker = nullptr;
    for (const Figure& f : drawn.figures) {
      const bool white = f.colour == PaletteColor(15), yellow = f.colour == PaletteColor(14);
      if (f.kind == Figure::Kind::Circle && f.x2 == 50) {
        if (!firstMarker) firstMarker = &f;
        ++markers[yellow ? 1 : 0];
      }
      if (f.kind == Figure::Kind::Circle && f.x2 == 30 && f.colour == kRed) ++anglePoints;
      if (f.kind == Figure::Kind::Line && f.colour == kDarkRed) ++sightLines;
      if (f.kind == Figure::Kind::Line && (white || yellow)) ++tracks[yellow ? 1 : 0];
    }
    const long marks = (r.steps + 199) / 200;
    EXPECT_EQ(markers[0], marks);
    EXPECT_EQ(markers[1], marks);
    EXPECT_EQ(tracks[0], r.steps);
    EXPECT_EQ(tracks[1], r.steps);
    EXPECT_EQ(anglePoints, c.anglePlot ? 2 * marks : 0);
    EXPECT_EQ(sightLines, c.anglePlot ? 2 * marks : 0);
    // The first marker is one step's travel from the exit point, a little behind the aircraft.
    ASSERT_NE(firstMarker, nullptr);
    EXPECT_GT(firstMarker->x1, 1.66);
    EXPECT_LT(firstMarker->x1, 1.673);
    EXPECT_LT(firstMarker->y1, 14000);
    EXPECT_GT(firstMarker->y1, 13999.99);
  }
}

TEST(Run, AHeadwindStrongerThanTheAirspeedCarriesTheAircraftBackwards) {
  Canvas plot;
  DrawnFigures drawn(plot);
  RunOnce(MakeScenario(50, 85, 0, 5, 1, 1), &plot);
  std::vector<float> aircraft;
  float aboardLeftmost = 0;
  for (const Figure& f : drawn.figures) {
    if (f.kind == Figure::Kind::Box && f.colour == kRed) aircraft.push_back(f.x1);
    if (f.kind == Figure::Kind::Line && f.colour == PaletteColor(14) && f.y2 == 14000) {
      aboardLeftmost = std::min(aboardLeftmost, f.x2);
    }
  }
  ASSERT_GT(aircraft.size(), 2u);
  EXPECT_LT(aircraft[1], aircraft[0]);
  EXPECT_LT(aircraft.back(), -1000);
  EXPECT_LT(aboardLeftmost, -50);
}

// An exit delay typed huge during the run keeps the second jumper aboard for ever, so the run
// never ends. What it keeps must stop growing once the aircraft and the first jumper have left
// the plot's reach: by hand, the aircraft at about 130 ft/s passes 18300 ft within 15000 steps
// and the first jumper, under canopy at 10 ft/s and drifting back 34 ft/s with the lower wind,
// passes -18300 ft within 70000.
TEST(Run, ARunThatNeverEndsKeepsABoundedPicture) {
  Module1 module;
  module.scenario = MakeScenario(80, 20, 20, 5, 1, 0);
  Canvas plot;
  plot.SetUserScale(main_window::kScaleLeft, main_window::kScaleTop, main_window::kScaleWidth,
                    main_window::kScaleHeight);
  std::size_t keptAt150k = 0;
  RecordingHost host(module, [&](long step, Module1& m) {
    if (step == 0) m.scenario.exitDelay = 1e8f;
    if (step == 150000) keptAt150k = plot.Figures().size();
  });
  host.stopAfterStep = 300000;
  const RunOutcome o = RunSimulation(module, &plot, nullptr, &host);
  EXPECT_EQ(o.end, RunEnd::Stopped);
  EXPECT_GT(module.altitude[2], 13999.0);  // still aboard
  // Four figures a step were drawn; far fewer are kept, and none after the 150000th step.
  EXPECT_GT(plot.FiguresAdded(), 4u * 300000);
  EXPECT_LT(plot.Figures().size(), 2u * 85000);
  EXPECT_EQ(plot.Figures().size(), keptAt150k);
}

TEST(Run, EditingTheExitDelayMidRunTakesEffectAtTheNextStep) {
  Module1 module;
  module.scenario = MakeScenario(80, 0, 0, 10, 1, 1);
  long firstFallStep = -1;
  RecordingHost host(module, [&](long step, Module1& m) {
    if (step == 100) m.scenario.exitDelay = 2;
    if (step == 150) m.scenario.ias = 200;  // read at start-up only
    if (firstFallStep < 0 && m.altitude[2] < 14000) firstFallStep = step;
  });
  const RunResult r = RunSimulation(module, nullptr, nullptr, &host).result;
  EXPECT_EQ(firstFallStep, 200);
  EXPECT_FLOAT_EQ(r.pullTime[2], r.pullTime[1]);
  EXPECT_FLOAT_EQ(r.pullDownrange[1],
                  RunOnce(MakeScenario(80, 0, 0, 10, 1, 1)).result.pullDownrange[1]);
}

TEST(Run, PauseHoldsTheRunUntilResumed) {
  Module1 module;
  module.scenario = MakeScenario(80, 20, 0, 5, 1, 0);
  module.scenario.plotRate = 1;
  double altitudeAtPause = 0;
  RecordingHost host(module, [&](long step, Module1& m) {
    if (step == 40) {
      m.scenario.paused = -1;
      altitudeAtPause = m.altitude[1];
    }
  });
  const RunOutcome paused = RunSimulation(module, nullptr, nullptr, &host);
  EXPECT_EQ(paused.end, RunEnd::Completed);
  EXPECT_EQ(host.waits, 3);
  EXPECT_EQ(host.calls.substr(0, 6), "SYSYSY");
  EXPECT_EQ(host.calls.substr(40 * 2, 7), "SYWWWSY");
  EXPECT_EQ(host.calls.size(), 2 * paused.result.steps + 3);
  EXPECT_LT(altitudeAtPause, 14000);
  EXPECT_EQ(ReportLines(paused.result), ReportLines(RunOnce(module.scenario).result));
}

TEST(Run, AStopRequestEndsTheRunWithNothingMoreDrawnOrReported) {
  Module1 module;
  module.scenario = MakeScenario(80, 0, 0, 0, 1, 1);
  Canvas plot, results;
  results.Print("previous report");
  std::size_t figuresAtStop = 0;
  RecordingHost host(module, [&](long step, Module1&) {
    if (step == 10) figuresAtStop = plot.Figures().size();
  });
  host.stopAfterStep = 10;
  const RunOutcome o = RunSimulation(module, &plot, &results, &host);
  EXPECT_EQ(o.end, RunEnd::Stopped);
  EXPECT_EQ(o.result.steps, 11);
  EXPECT_EQ(plot.Figures().size(), figuresAtStop);
  EXPECT_EQ(results.Texts(), std::vector<std::string>{"previous report"});
}

TEST(Run, DrawingOrNotAndConcurrentRunsGiveTheSameNumbers) {
  Scenario s = MakeScenario(80, 20, 10, 12, 0, 1);
  s.paused = -1;  // without a host nobody could resume, so the run must not wait
  s.plotRate = 1;
  Canvas plot;
  const RunResult drawn = RunOnce(s, &plot).result;
  std::vector<RunResult> results(4);
  std::vector<std::thread> threads;
  for (RunResult& r : results) threads.emplace_back([&r, &s] { r = RunOnce(s).result; });
  for (std::thread& t : threads) t.join();
  for (const RunResult& r : results) {
    EXPECT_EQ(r.pullDownrange, drawn.pullDownrange);
    EXPECT_EQ(r.pullTime, drawn.pullTime);
    EXPECT_EQ(r.finalDownrange, drawn.finalDownrange);
    EXPECT_EQ(r.firstPullSeparation, drawn.firstPullSeparation);
    EXPECT_EQ(r.steps, drawn.steps);
  }
}

}  // namespace
}  // namespace tarnwick
