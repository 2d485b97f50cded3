#include "sim/simulation.h"

#include <cmath>

#include "sim/constants.h"
#include "sim/dynamics.h"
#include "sim/plot_frame.h"
#include "sim/report.h"
#include "sim/run_plot.h"

namespace tarnwick {
namespace {

using namespace model;

// What the run keeps of one jumper. Horizontal positions and ground speeds are single
// precision, as the plot and the report have always been computed with them.
struct Jumper {
  float downrange = 0;
  float groundSpeed = 0;
  double airSpeed = 0;
  double verticalSpeed = 0;
  float previousDownrange = 0;  // where its track was last drawn to
  double previousAltitude = 0;
  bool pulled = false;
  float pullDownrange = 0;
  float pullTime = 0;
};

// The markers fall every 2 s of simulated time, the first at the exit itself. The running sum
// of the time is never exactly on the mark, so it is rounded to whole hundredths first.
bool IsMarkStep(double simTime) {
  const long long hundredths = std::llround(simTime * 100);
  return hundredths % std::llround(kMarkInterval * 100) == 0;
}

// Lets the host pace the run and process events; false once it wants the run to end.
// Without a host there is nobody to resume a pause, so nothing is waited for.
bool PaceAndYield(RunHost* host, const Scenario& scenario) {
  if (host == nullptr) return true;
  if (scenario.plotRate == 1) {
    host->SlowPlottingDelay();
    if (host->ShouldStop()) return false;
  }
  host->Yield();
  if (host->ShouldStop()) return false;
  while (scenario.paused != 0) {
    host->WaitWhilePaused();
    if (host->ShouldStop()) return false;
  }
  return true;
}

// The state of one run from its start-up to its last time step. The physics of a turn only
// changes the state; the drawing steps after it only show what the physics left.
class Run {
 public:
  Run(Module1& module, Canvas* plotCanvas)
      : module_(module), scenario_(module.scenario), plot_(plotCanvas) {
    StartUp(plotCanvas);
  }

  // Both jumpers' turns, the time increment and the pull records.
  void TimeStep() {
    const bool markStep = IsMarkStep(simTime_);
    for (module_.currentJumper = 1; module_.currentJumper <= 2; ++module_.currentJumper) {
      JumperTurn(module_.currentJumper, markStep);
    }
    simTime_ = simTime_ + kTimeStep;
    ++steps_;
    RecordPulls();
  }

  bool EitherAboveOpening() const {
    return module_.altitude[1] > kOpeningAltitude || module_.altitude[2] > kOpeningAltitude;
  }

  RunResult Result() const {
    RunResult r;
    for (int j = 1; j <= 2; ++j) {
      r.pullDownrange[j] = jumpers_[j].pullDownrange;
      r.pullTime[j] = jumpers_[j].pullTime;
      r.finalDownrange[j] = jumpers_[j].downrange;
    }
    r.firstPullSeparation = firstPullSeparation_;
    r.steps = steps_;
    return r;
  }

 private:
  void StartUp(Canvas* plotCanvas) {
    // Fixed for the whole run, whatever is edited meanwhile.
    start_ = StartConditionsFor(scenario_);
    module_.dragArea[1] = DragArea(scenario_.firstSlow);
    module_.dragArea[2] = DragArea(scenario_.secondSlow);
    if (plotCanvas != nullptr) {
      plotCanvas->Cls();
      DrawPlotFrame(*plotCanvas, scenario_);
    }
    for (int j = 1; j <= 2; ++j) {
      Jumper& jumper = jumpers_[j];
      module_.altitude[j] = kExitAltitude;
      jumper.previousAltitude = module_.altitude[j];
      jumper.previousDownrange = jumper.downrange;
      jumper.airSpeed = start_.trueAirspeed;
      jumper.groundSpeed = static_cast<float>(jumper.airSpeed - start_.upperWindComponent);
    }
    aircraftGroundSpeed_ = start_.trueAirspeed - start_.upperWindComponent;
  }

  void JumperTurn(int j, bool markStep) {
    ChangeVelocity(j);
    TakeWindLayer(j);
    Move(j);
    if (j == 1) MoveAircraft();

    if (j == 1) DrawAircraft();
    DrawTrack(j);
    if (markStep) DrawMark(j);
  }

  // The phase is decided afresh every turn from the altitude at the start of the step and the
  // exit delay as it stands now.
  void ChangeVelocity(int j) {
    Jumper& jumper = jumpers_[j];
    SpeedChange change;
    if (IsAboard(j)) {
      jumper.airSpeed = start_.trueAirspeed;
      jumper.groundSpeed = static_cast<float>(aircraftGroundSpeed_);
      jumper.verticalSpeed = 0;
    } else {
      change = FreeFallStep(jumper.airSpeed, jumper.verticalSpeed, module_.altitude[j],
                            module_.dragArea[j]);
    }
    // Opening: under canopy the jumper sinks slowly and drifts with the lower wind, whatever
    // the free fall would have done.
    if (module_.altitude[j] < kOpeningAltitude) {
      jumper.verticalSpeed = kCanopySinkRate;
      jumper.groundSpeed = static_cast<float>(-start_.lowerWindComponent);
      change = {};
    } else {
      jumper.verticalSpeed = jumper.verticalSpeed + change.verticalIncrement;
    }
    jumper.groundSpeed = static_cast<float>(jumper.groundSpeed - change.horizontalDecrement);
  }

  bool IsAboard(int j) const { return j == 2 && simTime_ < scenario_.exitDelay; }

  // Ground speed carries across the wind change; the speed through the air jumps.
  void TakeWindLayer(int j) {
    Jumper& jumper = jumpers_[j];
    const double windComponent = module_.altitude[j] > scenario_.windChangeAltitude
                                     ? start_.upperWindComponent
                                     : start_.lowerWindComponent;
    jumper.airSpeed = jumper.groundSpeed + windComponent;
  }

  void Move(int j) {
    Jumper& jumper = jumpers_[j];
    double& altitude = module_.altitude[j];
    altitude = altitude - jumper.verticalSpeed * kTimeStep;
    jumper.downrange = static_cast<float>(jumper.groundSpeed * kTimeStep + jumper.downrange);
  }

  // The aircraft flies on at its ground speed; the angle plot watches jumper 1 from it.
  void MoveAircraft() {
    aircraftDownrange_ = aircraftGroundSpeed_ * kTimeStep + aircraftDownrange_;
    sightLag_ = aircraftDownrange_ - jumpers_[1].downrange;
    sightDrop_ = kExitAltitude - module_.altitude[1];
  }

  void DrawAircraft() {
    plot_.Aircraft(previousAircraftDownrange_, aircraftDownrange_);
    previousAircraftDownrange_ = aircraftDownrange_;
  }

  void DrawTrack(int j) {
    Jumper& jumper = jumpers_[j];
    plot_.TrackSegment(jumper.previousDownrange, jumper.previousAltitude, jumper.downrange,
                       module_.altitude[j], trackColour_[j]);
    jumper.previousDownrange = jumper.downrange;
    jumper.previousAltitude = module_.altitude[j];
  }

  // The fall rates are read again at every mark, so a new choice switches the angle plot.
  void DrawMark(int j) {
    plot_.PositionMarker(jumpers_[j].downrange, module_.altitude[j], trackColour_[j]);
    if (ShowsAnglePlot(scenario_)) {
      plot_.SightAngle(simTime_, sightLag_, sightDrop_, aircraftDownrange_, jumpers_[1].downrange,
                       module_.altitude[1]);
    }
  }

  // A fall time counts the steps up to and including the one that passed the opening
  // altitude; the second jumper's clock starts at its own exit.
  void RecordPulls() {
    RecordPullIfOpened(1, simTime_);
    RecordPullIfOpened(2, simTime_ - scenario_.exitDelay);
  }

  // The first step below the opening altitude is the pull. A first pull while the other jumper
  // is still falling gives the separation at that moment.
  void RecordPullIfOpened(int j, double fallTime) {
    Jumper& jumper = jumpers_[j];
    if (jumper.pulled || module_.altitude[j] >= kOpeningAltitude) return;
    jumper.pulled = true;
    jumper.pullTime = static_cast<float>(fallTime);
    jumper.pullDownrange = jumper.downrange;
    const int other = 3 - j;
    if (module_.altitude[other] > kOpeningAltitude) {
      firstPullSeparation_ = std::fabs(jumpers_[1].downrange - jumpers_[2].downrange);
    }
  }

  Module1& module_;
  // Read live: the host may change the scenario whenever the run yields to it.
  const Scenario& scenario_;
  RunPlot plot_;
  const Colour trackColour_[3] = {0, PaletteColor(15), PaletteColor(14)};
  StartConditions start_;
  Jumper jumpers_[3];
  double aircraftGroundSpeed_ = 0;
  double aircraftDownrange_ = 0;
  double previousAircraftDownrange_ = 0;  // where the aircraft marker was last drawn
  double simTime_ = 0;
  double firstPullSeparation_ = 0;
  double sightLag_ = 0;
  double sightDrop_ = 0;
  long steps_ = 0;
};

}  // namespace

float RunResult::DeploymentSeparation() const {
  return std::fabs(pullDownrange[2] - pullDownrange[1]);
}

float RunResult::LastPullSeparation() const {
  return std::fabs(finalDownrange[2] - finalDownrange[1]);
}

RunOutcome RunSimulation(Module1& module, Canvas* plotCanvas, Canvas* results, RunHost* host) {
  Run run(module, plotCanvas);
  do {
    run.TimeStep();
    if (!PaceAndYield(host, module.scenario)) return {RunEnd::Stopped, run.Result()};
  } while (run.EitherAboveOpening());

  const RunOutcome finished{RunEnd::Completed, run.Result()};
  if (results != nullptr) PrintReport(*results, finished.result);
  if (plotCanvas != nullptr) PrintPlotNote(*plotCanvas);
  return finished;
}

}  // namespace tarnwick
