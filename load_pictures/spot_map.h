#pragma once

#include "canvas/canvas.h"
#include "load_pictures/load_tracks.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {

// The top view of a load with a spot: a map of the ground frame seen from above, the jump run
// flown from left to right (right of it is down the picture). The landing area at the origin,
// each group's reach circle in its colour (an opening inside its circle gets back), the
// openings, the jump run at its offset with the green light and the red light marked, a north
// arrow when the heading is known and a scale bar; no axes: distances read off the scale.

// What the map must keep in sight: the landing area, every reach circle, every opening and
// both lights, in the ground frame (y grows to the right of the jump run). `tracks.spot` set.
DataRect SpotMapExtent(const LoadTracks& tracks);

// The scale bar's length in the distance unit: the longest 1, 2 or 5 times a power of ten that
// is at most `mostPx` logical pixels long at `unitsPerPx`.
double ScaleBarLength(double unitsPerPx, double mostPx);

// Draws the map into `canvas`, cleared first; `tracks.spot` set.
void DrawSpotMap(Canvas& canvas, const LoadTracks& tracks);

}  // namespace tarnwick
