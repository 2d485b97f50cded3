#pragma once

#include <gtest/gtest.h>

#include <string>

namespace tarnwick::load::testing {

// The example load of the format's documentation, as a user might write it.
inline const std::string kExample = R"({ "format": "tarnwick-load", "version": 1,
  "units": { "altitude": "ft", "distance": "ft", "speed": "kt" },
  "aircraft": { "indicatedAirspeed": 80, "exitAltitude": 13500 },
  "jumpRunHeading": 270,
  "winds": [ { "above": 9000, "speed": 35, "from": 250 },
             { "above": 3000, "headwind": 12 },
             { "headwind": 5 } ],
  "targetSeparation": 1000, "minimumDelay": 5,
  "groups": [ { "name": "Belly 4-way", "fallRate": "slow" },
              { "name": "Freefly 3", "fallRate": "fast", "delay": 9 },
              { "name": "Tandem", "fallRate": { "terminalSpeed": 120, "unit": "mph", "atAltitude": 6000 },
                "openingAltitude": 5500, "delay": 10 } ] })";

// The example with `from` replaced by `to` (which must occur once).
inline std::string Edited(const std::string& from, const std::string& to) {
  std::string text = kExample;
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

}  // namespace tarnwick::load::testing
