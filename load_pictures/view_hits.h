#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "canvas/canvas.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// A point of one group's track, found under the mouse.
struct TrackHit {
  std::size_t group = 0;
  std::size_t point = 0;  // into the group's path
};

// The point of a track nearest to a place on the side view, if one is within `reachPx`
// logical pixels of it.
std::optional<TrackHit> SideViewTrackAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                        double yPx, double reachPx);

// The opening nearest to a place on the top view, if one is within `reachPx` logical pixels.
std::optional<TrackHit> TopViewOpeningAt(const Canvas& canvas, const LoadTracks& tracks, double xPx,
                                         double yPx, double reachPx);

// The tooltip's text: "Freefly 3: 23.4 s after its exit, 32.4 s into the load, 7210 ft".
std::string TrackHitText(const LoadTracks& tracks, const TrackHit& hit);

}  // namespace tarnwick
