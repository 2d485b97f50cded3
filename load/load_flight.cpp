#include "load/load_flight.h"

#include <cmath>

#include "load/group_step.h"
#include "load/separations.h"
#include "sim/constants.h"

namespace tarnwick::load {

using namespace model;

std::size_t PairIndex(int first, int second, int groupCount) {
  // Pairs are listed row by row: (0,1)..(0,n-1), (1,2)..
  const std::size_t f = static_cast<std::size_t>(first);
  const std::size_t n = static_cast<std::size_t>(groupCount);
  return f * (2 * n - f - 1) / 2 + static_cast<std::size_t>(second - first - 1);
}

AircraftMotion AircraftMotionOf(const Load& load) {
  AircraftMotion aircraft;
  aircraft.trueAirspeed = TrueAirspeedAt(load.indicatedAirspeed, load.exitAltitude);
  const TrackWind wind = WindAt(load, load.exitAltitude);
  // Holding the jump run, the aircraft crabs into the crosswind; without one it flies straight.
  aircraft.alongAirSpeed =
      wind.cross == 0
          ? aircraft.trueAirspeed
          : std::sqrt(aircraft.trueAirspeed * aircraft.trueAirspeed - wind.cross * wind.cross);
  aircraft.crossAirSpeed = -wind.cross;
  aircraft.groundSpeed = aircraft.alongAirSpeed - wind.headwind;
  return aircraft;
}

LoadFlight FlyLoad(const Load& load, const FlightOptions& options) {
  const int count = static_cast<int>(load.groups.size());
  const AircraftMotion aircraft = AircraftMotionOf(load);
  LoadFlight flight;
  flight.trueAirspeed = aircraft.trueAirspeed;
  flight.aircraftGroundSpeed = aircraft.groundSpeed;
  flight.groups.resize(count);

  const WindProfile winds(load);
  LoadStepper stepper(load, winds, aircraft);
  std::vector<GroupState> states(count);
  double exitTime = 0;
  for (int k = 0; k < count; ++k) {
    if (k > 0) exitTime = exitTime + load.groups[k].delay;
    flight.groups[k].exitTime = exitTime;
    states[k] = AtTheDoor(load, aircraft);
  }

  // Where every group is when each one opens: the separations are read from these.
  std::vector<std::vector<Position>> atOpening(count);
  // Plain bytes, not bits: the flight reads them for every group in every step.
  std::vector<char> exited(count, false), aboard(count, true);
  const bool tracks = options.trackEvery > 0;
  if (tracks) flight.tracks.resize(count);
  const auto sample = [&](double time, double aircraftDownrange) {
    for (int k = 0; k < count; ++k) {
      flight.tracks[k].push_back(
          {time, states[k].downrange, states[k].crossrange, states[k].altitude});
    }
    flight.aircraft.push_back({time, aircraftDownrange});
  };
  if (tracks) sample(0, 0);

  double simTime = 0;
  double aircraftDownrange = 0;
  long step = 0;
  bool falling = true;
  while (falling) {
    for (int k = 0; k < count; ++k) {
      aboard[k] = simTime < flight.groups[k].exitTime;
      if (!aboard[k] && !exited[k] && states[k].altitude >= load.groups[k].openingAltitude) {
        exited[k] = true;
        flight.groups[k].exitStep = step;
      }
    }
    stepper.Step(states, aboard);
    aircraftDownrange = aircraft.groundSpeed * kTimeStep + aircraftDownrange;

    simTime = simTime + kTimeStep;
    bool someoneOpened = false;
    falling = false;
    for (int k = 0; k < count; ++k) {
      GroupState& g = states[k];
      if (g.altitude > load.groups[k].openingAltitude) falling = true;
      if (g.pulled || g.altitude >= load.groups[k].openingAltitude) continue;
      g.pulled = true;
      someoneOpened = true;
      GroupResult& result = flight.groups[k];
      result.opened = true;
      result.openingStep = step;
      result.fallTime = static_cast<float>(simTime - result.exitTime);
      result.openingDownrange = g.downrange;
      result.openingCrossrange = g.crossrange;
      for (const GroupState& other : states) {
        atOpening[k].push_back({other.downrange, other.crossrange});
      }
    }
    ++step;
    if (tracks && (someoneOpened || !falling || step % options.trackEvery == 0)) {
      sample(simTime, aircraftDownrange);
    }
  }
  flight.steps = step;

  // A group that ended exactly at its opening altitude never passed below it: the end of the
  // flight stands in for its opening.
  for (int k = 0; k < count; ++k) {
    if (!atOpening[k].empty()) continue;
    flight.groups[k].openingStep = step - 1;
    for (const GroupState& other : states)
      atOpening[k].push_back({other.downrange, other.crossrange});
  }
  flight.pairs = PairSeparations(flight.groups, atOpening, load.targetSeparation);
  flight.minimumSeparation = LeastSeparation(flight.pairs);
  return flight;
}

}  // namespace tarnwick::load
