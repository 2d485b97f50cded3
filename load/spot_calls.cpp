#include "load/spot_calls.h"

#include <cmath>

#include "load/quantity_text.h"
#include "load/units.h"

namespace tarnwick::load {

std::string LightCall(Light light, const SpotPoint& point, double aircraftGroundSpeed) {
  std::string call = light == Light::Green ? "Green light" : "Red light";
  const std::string distance = CalledDistanceText(point.alongTrack);
  if (distance == CalledDistanceText(0)) {
    call += " abeam the landing area";
  } else {
    call +=
        " " + distance + (point.alongTrack < 0 ? " before" : " after") + " abeam the landing area";
  }
  if (point.seconds && aircraftGroundSpeed > 0) {
    const double knots = aircraftGroundSpeed / KnotsToFeetPerSecond(1);
    call += ", " + RoundedText(std::fabs(*point.seconds), 0) + " s at " +
            QuantityText(Quantity::Speed, knots, Units{}) + " over the ground";
  }
  return call;
}

}  // namespace tarnwick::load
