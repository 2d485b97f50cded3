#include "load/geo_position.h"

#include <GeographicLib/Geodesic.hpp>
#include <cmath>
#include <numbers>

#include "load/units.h"

namespace tarnwick::load {

GeoPosition PositionFrom(const GeoPosition& start, double azimuth, double metres) {
  GeoPosition end;
  GeographicLib::Geodesic::WGS84().Direct(start.latitude, start.longitude, azimuth, metres,
                                          end.latitude, end.longitude);
  return end;
}

GeoPosition GroundFramePosition(const GeoPosition& origin, double trueHeading, double along,
                                double right) {
  // The bearing of the point from the track, clockwise as azimuths run: to the right is +90.
  const double bearing = std::atan2(right, along) * 180 / std::numbers::pi;
  return PositionFrom(origin, trueHeading + bearing,
                      FromFeet(std::hypot(along, right), LengthUnit::Metres));
}

}  // namespace tarnwick::load
