#pragma once

namespace tarnwick::load {

// A place on the WGS84 ellipsoid, degrees: latitude north positive, longitude east positive.
struct GeoPosition {
  double latitude = 0;
  double longitude = 0;
};

// The place `metres` from `start` along the geodesic that leaves it at `azimuth` (degrees
// clockwise from true north), on the WGS84 ellipsoid.
GeoPosition PositionFrom(const GeoPosition& start, double azimuth, double metres);

// The place of a point of the spot's ground frame: `along` ft along a track of true heading
// `trueHeading` (degrees) and `right` ft to its right, from `origin`.
GeoPosition GroundFramePosition(const GeoPosition& origin, double trueHeading, double along,
                                double right);

}  // namespace tarnwick::load
