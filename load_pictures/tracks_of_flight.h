#pragma once

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_outcome.h"
#include "load/spot.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// How finely the pictures sample a flight: every 0.1 s, which holds every 2 s marker.
inline constexpr int kPictureTrackEvery = 10;

// The options under which a flight records what the pictures show.
load::FlightOptions PictureFlightOptions();

// What the pictures show of `flight`, a flight of `load` recorded with PictureFlightOptions(),
// in the load's units, with the map of `spot` (the spot of that flight) when there is one.
LoadTracks TracksOfFlight(const load::Load& load, const load::LoadFlight& flight,
                          const load::Spot* spot = nullptr);

// What the pictures show of an outcome planned with PictureFlightOptions(): its flight, with
// the map of its spot when it was asked for.
LoadTracks TracksOfOutcome(const load::LoadOutcome& outcome);

}  // namespace tarnwick
