#include "load/load_outcome.h"

namespace tarnwick::load {

LoadOutcome PlanLoad(const Load& load, const LoadRequest& request) {
  LoadOutcome outcome;
  outcome.given = load;
  outcome.flown = load;
  if (load.groups.empty()) return outcome;
  if (request.recommend || request.bestOrder) {
    const DelayPlan plan = RecommendDelays(load);
    if (request.recommend) {
      outcome.recommendation = plan;
      outcome.flown = WithRoundedDelays(load, plan);
    }
    if (request.bestOrder) {
      outcome.givenPlan = plan;
      // With the spot in play an order wins only if it also brings every group back.
      outcome.bestOrder =
          FindBestOrder(load, request.spot || request.bestOffset ? OrderRule::EveryGroupBack
                                                                 : OrderRule::ShortestJumpRun);
    }
  }
  outcome.flight = FlyLoad(outcome.flown, request.flight);
  if (request.bestOffset) {
    outcome.spot = BestOffsetSpot(outcome.flown, outcome.flight);
    outcome.flown.jumpRunOffset = outcome.spot->offset;
  } else if (request.spot) {
    outcome.spot = MakeSpot(outcome.flown, outcome.flight);
  }
  outcome.warnings = LoadWarnings(outcome.flown, outcome.flight,
                                  outcome.recommendation ? &*outcome.recommendation : nullptr);
  return outcome;
}

}  // namespace tarnwick::load
