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

}  // namespace tarnwick::load
