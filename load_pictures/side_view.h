#pragma once

#include <cstdint>

#include "canvas/canvas.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// Draws the side view of a load into `canvas`, laid out for its client size and text metrics:
// downrange against altitude with ticks, the jump run and the aircraft at the last exit, every
// group's track in its own colour with a marker every 2 s of the run's clock, and each opening
// marked with its group's name. Clears the canvas first.
void DrawLoadSideView(Canvas& canvas, const LoadTracks& tracks);

inline constexpr std::int64_t kMarkerSteps = 200;  // a marker every 2 s, as on the main plot

}  // namespace tarnwick
