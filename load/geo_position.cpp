#include "load/geo_position.h"

#include <GeographicLib/Geodesic.hpp>

namespace tarnwick::load {

GeoPosition PositionFrom(const GeoPosition& start, double azimuth, double metres) {
  GeoPosition end;
  GeographicLib::Geodesic::WGS84().Direct(start.latitude, start.longitude, azimuth, metres,
                                          end.latitude, end.longitude);
  return end;
}

}  // namespace tarnwick::load
