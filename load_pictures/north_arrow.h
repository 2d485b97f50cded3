#pragma once

#include "canvas/canvas.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {

// A direction in track coordinates: along the jump run and to its right.
struct TrackDirection {
  double along = 0;
  double across = 0;
};

// Where true north lies, as a unit vector in track coordinates, for a jump run flown on
// `headingDegrees` true. A bearing B lies B - heading clockwise (seen from above) from the
// direction of flight, so north lies `heading` anticlockwise of it: flying east (90) it is to
// the left, flying north (0) straight ahead.
TrackDirection NorthInTrack(double headingDegrees);

// The side of the square a north arrow with its "N" takes, in logical pixels.
double NorthArrowSidePx(const TextMetrics& metrics);

// Draws a north arrow with an "N" at its head, centred in `box` (logical pixels), into a top
// view whose current scale is the same both ways. The arrow points where north lies in the
// picture, whichever way the picture's y grows.
void DrawNorthArrow(Canvas& canvas, const PixelBox& box, double headingDegrees);

}  // namespace tarnwick
