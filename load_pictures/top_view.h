#pragma once

#include "canvas/canvas.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// Draws the top view of a load into `canvas`: along against across the jump run, at the same
// scale both ways, with the jump run, each opening point and around it a circle of half the
// target separation, so two circles that overlap are two groups that open closer than the
// target. Clears the canvas first.
void DrawLoadTopView(Canvas& canvas, const LoadTracks& tracks);

}  // namespace tarnwick
