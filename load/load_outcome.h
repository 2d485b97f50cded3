#pragma once

#include <optional>
#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_plan.h"
#include "load/load_warnings.h"
#include "load/spot.h"

namespace tarnwick::load {

// What is asked of a load: the plans to make and what the flight records.
struct LoadRequest {
  bool recommend = false;   // recommend every delay and fly the load at the called ones
  bool bestOrder = false;   // search the exit order with the shortest jump run (with the spot
                            // asked, among the orders that bring every group back)
  bool spot = false;        // the green and red lights that bring every group back
  bool bestOffset = false;  // the spot at the jump run offset with the largest least margin
  FlightOptions flight;     // tracks for pictures, or none
};

// Everything a load's answer says; every view (the text table, the result JSON, the window,
// the briefing sheet) shows this and nothing else.
struct LoadOutcome {
  Load given;                               // the load as asked about
  Load flown;                               // given, at the recommended delays when asked
  std::optional<DelayPlan> recommendation;  // for the given order, when asked
  std::optional<BestOrder> bestOrder;       // when asked
  std::optional<DelayPlan> givenPlan;       // the given order's plan, beside the best order
  LoadFlight flight;                        // of `flown`
  std::optional<Spot> spot;                 // when asked, of `flown` (at the best offset when
                                            // asked, which `flown` then holds)
  std::vector<Warning> warnings;            // about `flown` as flown
};

// Plans and flies `load`, which passes LoadProblem(), as `request` asks. A load without
// groups has an empty flight and no warnings.
LoadOutcome PlanLoad(const Load& load, const LoadRequest& request);

}  // namespace tarnwick::load
