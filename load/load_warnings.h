#pragma once

#include <string>
#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_plan.h"

namespace tarnwick::load {

struct Warning {
  std::string code;
  std::string message;
};
// Warning codes.
inline constexpr const char* kFastBeforeSlowIntoHeadwind = "fast-before-slow-into-headwind";
inline constexpr const char* kLowerWindsOpposite = "lower-winds-opposite";
inline constexpr const char* kPairUnderTarget = "pair-under-target";
inline constexpr const char* kDelayAtMinimum = "delay-at-minimum";
inline constexpr const char* kOpeningAbovePath = "opening-above-path";
inline constexpr const char* kDelayUnderMinimum = "delay-under-minimum";
inline constexpr const char* kOpeningLow = "opening-low";

// The least wind component, in kt, worth a wind warning, on each side of a comparison: a
// lighter breeze moves nobody far enough to matter.
inline constexpr double kWarnedWindKnots = 5;

// What a jumpmaster should hear about the load as flown, each with its reason. `plan` is the
// recommendation the flight was flown at, if any.
std::vector<Warning> LoadWarnings(const Load& load, const LoadFlight& flight,
                                  const DelayPlan* plan);

}  // namespace tarnwick::load
