#pragma once

#include <string>

#include "load/spot.h"

namespace tarnwick::load {

enum class Light { Green, Red };

// The call for the pilot and the jumpmaster of a light of the spot:
// "Green light 0.35 NM (650 m) before abeam the landing area, 13 s at 95 kt over the ground".
// `aircraftGroundSpeed` in ft/s; the time is left out when the aircraft makes no way forward.
std::string LightCall(Light light, const SpotPoint& point, double aircraftGroundSpeed);

}  // namespace tarnwick::load
