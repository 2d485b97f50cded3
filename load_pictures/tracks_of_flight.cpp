#include "load_pictures/tracks_of_flight.h"

#include <cmath>
#include <string>

#include "load_pictures/group_colours.h"

namespace tarnwick {
namespace {

constexpr double kStepSeconds = 0.01;

}  // namespace

load::FlightOptions PictureFlightOptions() {
  load::FlightOptions options;
  options.trackEvery = kPictureTrackEvery;
  return options;
}

LoadTracks TracksOfFlight(const load::Load& load, const load::LoadFlight& flight,
                          const load::Spot* spot) {
  const load::LengthUnit distance = load.units.distance;
  const load::LengthUnit altitude = load.units.altitude;
  auto along = [&](double feet) { return static_cast<float>(load::FromFeet(feet, distance)); };
  auto up = [&](double feet) { return static_cast<float>(load::FromFeet(feet, altitude)); };
  // The aircraft holds the jump run at its ground speed from the first exit point on.
  auto aircraftAt = [&](long step) {
    return along(flight.aircraftGroundSpeed * kStepSeconds * static_cast<double>(step));
  };

  LoadTracks tracks;
  tracks.exitAltitude = up(load.exitAltitude);
  tracks.targetSeparation = load::FromFeet(load.targetSeparation, distance);
  tracks.distanceUnit = std::string(load::UnitName(distance));
  tracks.altitudeUnit = std::string(load::UnitName(altitude));
  tracks.jumpRunHeading = load.jumpRunHeading;
  tracks.groundAltitude = up(load::LandingAreaElevation(load));
  tracks.patternAltitude = up(load::LandingAreaElevation(load) + load.patternAltitude);
  if (spot) {
    SpotMap map;
    map.greenLight = along(spot->greenLight.alongTrack);
    map.redLight = along(spot->redLight.alongTrack);
    map.offset = along(spot->offset);
    for (const load::GroupReach& reach : spot->groups) {
      map.reaches.push_back(
          {along(reach.reachCentreX), along(reach.reachCentreY), along(reach.reachRadius)});
    }
    tracks.spot = std::move(map);
  }
  const std::size_t count = std::min(load.groups.size(), flight.groups.size());
  std::vector<std::string> names;
  for (const load::Group& group : load.groups) names.push_back(group.name);
  const std::vector<Colour> colours = GroupColours(names);
  for (std::size_t k = 0; k < count; ++k) {
    const load::Group& group = load.groups[k];
    const load::GroupResult& result = flight.groups[k];
    GroupTrack track;
    track.name = group.name;
    track.colour = colours[k];
    track.exitTime = result.exitTime;
    track.opening = static_cast<std::size_t>(-1);
    // It leaves the aircraft where the aircraft is at its exit step; before that it rides along
    // the jump run, which the picture shows as the aircraft's path.
    track.path.push_back(TrackPoint{result.exitStep, result.exitTime, aircraftAt(result.exitStep),
                                    0, tracks.exitAltitude});
    if (k < flight.tracks.size()) {
      for (const load::TrackSample& s : flight.tracks[k]) {
        const auto step = static_cast<std::int64_t>(std::llround(s.time / kStepSeconds));
        if (step <= result.exitStep) continue;
        track.path.push_back(
            TrackPoint{step, s.time, along(s.downrange), along(s.crossrange), up(s.altitude)});
        if (track.opening == static_cast<std::size_t>(-1) && s.altitude < group.openingAltitude) {
          track.opening = track.path.size() - 1;
        }
      }
    }
    tracks.groups.push_back(std::move(track));
  }
  if (count > 0) {
    tracks.firstExitAlong = aircraftAt(flight.groups.front().exitStep);
    tracks.lastExitAlong = aircraftAt(flight.groups[count - 1].exitStep);
  }
  for (const load::PairResult& pair : flight.pairs) {
    if (!pair.meetsTarget) {
      tracks.shortPairs.emplace_back(static_cast<std::size_t>(pair.first),
                                     static_cast<std::size_t>(pair.second));
    }
  }
  return tracks;
}

LoadTracks TracksOfOutcome(const load::LoadOutcome& outcome) {
  return TracksOfFlight(outcome.flown, outcome.flight, outcome.spot ? &*outcome.spot : nullptr);
}

}  // namespace tarnwick
