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
  float previousDownrange = 0;
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

}  // namespace

float RunResult::DeploymentSeparation() const {
  return std::fabs(pullDownrange[2] - pullDownrange[1]);
}

float RunResult::LastPullSeparation() const {
  return std::fabs(finalDownrange[2] - finalDownrange[1]);
}

RunOutcome RunSimulation(Module1& module, Canvas* plotCanvas, Canvas* results, RunHost* host) {
  // Read live: the host may change the scenario whenever the run yields to it.
  const Scenario& scenario = module.scenario;

  // Fixed for the whole run, whatever is edited meanwhile.
  const StartConditions start = StartConditionsFor(scenario);
  module.dragArea[1] = DragArea(scenario.firstSlow);
  module.dragArea[2] = DragArea(scenario.secondSlow);

  if (plotCanvas != nullptr) {
    plotCanvas->Cls();
    DrawPlotFrame(*plotCanvas, scenario);
  }
  RunPlot plot(plotCanvas);
  const Colour trackColour[3] = {0, PaletteColor(15), PaletteColor(14)};

  Jumper jumpers[3];
  for (int j = 1; j <= 2; ++j) {
    Jumper& jumper = jumpers[j];
    module.altitude[j] = kExitAltitude;
    jumper.previousAltitude = module.altitude[j];
    jumper.previousDownrange = jumper.downrange;
    jumper.airSpeed = start.trueAirspeed;
    jumper.groundSpeed = static_cast<float>(jumper.airSpeed - start.upperWindComponent);
  }
  const double aircraftGroundSpeed = start.trueAirspeed - start.upperWindComponent;
  double aircraftDownrange = 0;
  double previousAircraftDownrange = 0;
  double simTime = 0;
  double firstPullSeparation = 0;
  double sightLag = 0;
  double sightDrop = 0;
  long steps = 0;

  const auto outcome = [&](RunEnd end) {
    RunOutcome o;
    o.end = end;
    for (int j = 1; j <= 2; ++j) {
      o.result.pullDownrange[j] = jumpers[j].pullDownrange;
      o.result.pullTime[j] = jumpers[j].pullTime;
      o.result.finalDownrange[j] = jumpers[j].downrange;
    }
    o.result.firstPullSeparation = firstPullSeparation;
    o.result.steps = steps;
    return o;
  };

  // The first step below the opening altitude is the pull. A first pull while the other jumper
  // is still falling gives the separation at that moment.
  const auto recordPullIfOpened = [&](int j, double fallTime) {
    Jumper& jumper = jumpers[j];
    if (jumper.pulled || module.altitude[j] >= kOpeningAltitude) return;
    jumper.pulled = true;
    jumper.pullTime = static_cast<float>(fallTime);
    jumper.pullDownrange = jumper.downrange;
    const int other = 3 - j;
    if (module.altitude[other] > kOpeningAltitude) {
      firstPullSeparation = std::fabs(jumpers[1].downrange - jumpers[2].downrange);
    }
  };

  do {
    const bool markStep = IsMarkStep(simTime);
    for (module.currentJumper = 1; module.currentJumper <= 2; ++module.currentJumper) {
      const int j = module.currentJumper;
      Jumper& jumper = jumpers[j];
      double& altitude = module.altitude[j];

      // The phase is decided afresh every turn from the altitude at the start of the step and
      // the exit delay as it stands now.
      SpeedChange change;
      if (altitude < kOpeningAltitude) {
        jumper.verticalSpeed = kCanopySinkRate;
        jumper.groundSpeed = static_cast<float>(-start.lowerWindComponent);
      } else if (j == 2 && simTime < scenario.exitDelay) {
        jumper.airSpeed = start.trueAirspeed;
        jumper.groundSpeed = static_cast<float>(aircraftGroundSpeed);
        jumper.verticalSpeed = 0;
      } else {
        change = FreeFallStep(jumper.airSpeed, jumper.verticalSpeed, altitude, module.dragArea[j]);
        jumper.verticalSpeed = jumper.verticalSpeed + change.verticalIncrement;
      }
      jumper.groundSpeed = static_cast<float>(jumper.groundSpeed - change.horizontalDecrement);

      // Ground speed carries across the wind change; the speed through the air jumps.
      const double windComponent = altitude > scenario.windChangeAltitude
                                       ? start.upperWindComponent
                                       : start.lowerWindComponent;
      jumper.airSpeed = jumper.groundSpeed + windComponent;

      altitude = altitude - jumper.verticalSpeed * kTimeStep;
      jumper.downrange = static_cast<float>(jumper.groundSpeed * kTimeStep + jumper.downrange);

      if (j == 1) {
        aircraftDownrange = aircraftGroundSpeed * kTimeStep + aircraftDownrange;
        plot.Aircraft(previousAircraftDownrange, aircraftDownrange);
        previousAircraftDownrange = aircraftDownrange;
        sightLag = aircraftDownrange - jumper.downrange;
        sightDrop = kExitAltitude - altitude;
      }

      plot.TrackSegment(jumper.previousDownrange, jumper.previousAltitude, jumper.downrange,
                        altitude, trackColour[j]);
      jumper.previousDownrange = jumper.downrange;
      jumper.previousAltitude = altitude;

      if (markStep) {
        plot.PositionMarker(jumper.downrange, altitude, trackColour[j]);
        if (ShowsAnglePlot(scenario)) {
          plot.SightAngle(simTime, sightLag, sightDrop, aircraftDownrange, jumpers[1].downrange,
                          module.altitude[1]);
        }
      }
    }

    simTime = simTime + kTimeStep;
    ++steps;

    // A fall time counts the steps up to and including the one that passed the opening
    // altitude; the second jumper's clock starts at its own exit.
    recordPullIfOpened(1, simTime);
    recordPullIfOpened(2, simTime - scenario.exitDelay);

    if (!PaceAndYield(host, scenario)) return outcome(RunEnd::Stopped);
  } while (module.altitude[1] > kOpeningAltitude || module.altitude[2] > kOpeningAltitude);

  RunOutcome finished = outcome(RunEnd::Completed);
  if (results != nullptr) PrintReport(*results, finished.result);
  if (plotCanvas != nullptr) PrintPlotNote(*plotCanvas);
  return finished;
}

}  // namespace tarnwick
