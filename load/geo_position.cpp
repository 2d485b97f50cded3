#include "load/geo_position.h"

#include <cmath>
#include <numbers>

#include "load/units.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#include <GeographicLib/Geodesic.hpp>
#endif

#ifdef __EMSCRIPTEN__
// The web page's engine: Debian ships GeographicLib's C++ library for x86 only, so the page
// solves the direct problem with the same author's JavaScript port (geographiclib-geodesic),
// which the engine's maker hands over as `geodesic` (its Geodesic.WGS84). The two agree to
// well within 1e-9 degrees (the page's browser test holds them to it).
EM_JS(void, WebGeodesicDirect,
      (double latitude, double longitude, double azimuth, double metres, double* end), {
        const r = Module["geodesic"].Direct(latitude, longitude, azimuth, metres);
        HEAPF64[end >> 3] = r.lat2;
        HEAPF64[(end >> 3) + 1] = r.lon2;
      });
#endif

namespace tarnwick::load {

#ifdef __EMSCRIPTEN__
GeoPosition PositionFrom(const GeoPosition& start, double azimuth, double metres) {
  double end[2] = {0, 0};
  WebGeodesicDirect(start.latitude, start.longitude, azimuth, metres, end);
  return {end[0], end[1]};
}
#else
GeoPosition PositionFrom(const GeoPosition& start, double azimuth, double metres) {
  GeoPosition end;
  GeographicLib::Geodesic::WGS84().Direct(start.latitude, start.longitude, azimuth, metres,
                                          end.latitude, end.longitude);
  return end;
}
#endif

GeoPosition GroundFramePosition(const GeoPosition& origin, double trueHeading, double along,
                                double right) {
  // The bearing of the point from the track, clockwise as azimuths run: to the right is +90.
  const double bearing = std::atan2(right, along) * 180 / std::numbers::pi;
  return PositionFrom(origin, trueHeading + bearing,
                      FromFeet(std::hypot(along, right), LengthUnit::Metres));
}

}  // namespace tarnwick::load
