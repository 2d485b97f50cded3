#pragma once

#include <vector>

#include "canvas/canvas.h"
#include "load/load_model.h"

namespace tarnwick {

// One point of a load's wind profile as the picture draws it, from the top down.
struct ProfilePoint {
  double altitude = 0;   // ft msl
  load::TrackWind wind;  // ft/s in track coordinates, as flown
  bool level = false;    // a level of the load's (drawn as a dot)
};

// The winds the load flies from `top` down to `bottom` (ft msl): for layers, each layer's wind
// at the top and the bottom of its band, so that joining the points draws steps at the bases
// (calm air: calm at both ends); for levels, the
// interpolated wind at every level and, between two levels, every `spacing` feet or closer,
// since speed and direction are not straight lines where the components are.
std::vector<ProfilePoint> WindProfilePoints(const load::Load& load, double bottom, double top,
                                            double spacing);

// The colours of the wind's speed and of its direction in the picture.
inline constexpr Colour kProfileSpeedColour = 0x00B05A1Eu;      // blue
inline constexpr Colour kProfileDirectionColour = 0x00206EC8u;  // orange

// Draws the load's winds against altitude into `canvas`, laid out for its client size: on the
// left the speed (the load's speed unit), on the right the direction the wind blows from
// (degrees true), both against altitude (the load's altitude unit, msl, up) from the ground
// (the landing area's elevation) to the exit altitude. Layers are steps; levels are dots joined
// by the interpolated profile. Without a jump run heading only headwinds can be given, which
// have no compass direction: the right says so. Clears the canvas first.
void DrawWindProfile(Canvas& canvas, const load::Load& load);

}  // namespace tarnwick
