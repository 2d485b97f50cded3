#pragma once

#include <vector>

#include "canvas/canvas.h"
#include "load_pictures/group_labels.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// Draws the top view of a load into `canvas`: with a spot, the map of the ground frame
// (load_pictures/spot_map.h); without one, along against across the jump run, at the same
// scale both ways, with the jump run, each opening point and around it a circle of half the
// target separation, so two circles that overlap are two groups that open closer than the
// target. Clears the canvas first.
void DrawLoadTopView(Canvas& canvas, const LoadTracks& tracks);

// Where the top view draws a track's point (along, across): moved into the ground frame on a
// map, as it is otherwise.
struct TopPoint {
  double x = 0, y = 0;
};
TopPoint TopViewPoint(const LoadTracks& tracks, double along, double across);
// Each opening group's opening, where the top view draws it.
std::vector<LabelledPoint> TopViewOpenings(const LoadTracks& tracks);

}  // namespace tarnwick
