#include "load/result_json.h"

#include <nlohmann/json.hpp>
#include <tuple>

#include "load/spot_calls.h"

namespace tarnwick::load {
namespace {

using Json = nlohmann::ordered_json;  // fields in the documented order

// Numbers go out as the shortest text that reads back the same: nlohmann's own output does
// exactly that, independently of the locale.
Json Number(double value) {
  return value;
}

Json SpotJson(const Load& load, const Spot& spot, double aircraftGroundSpeed) {
  const Units& u = load.units;
  const auto distance = [&](double feet) { return Number(FromFeet(feet, u.distance)); };
  const auto point = [&](const SpotPoint& p, Light light) {
    Json object = {{"alongTrack", distance(p.alongTrack)},
                   {"seconds", p.seconds ? Json(*p.seconds) : Json(nullptr)},
                   {"call", LightCall(light, p, aircraftGroundSpeed)}};
    if (p.position) {
      object["latitude"] = p.position->latitude;
      object["longitude"] = p.position->longitude;
    }
    return object;
  };
  Json groups = Json::array();
  for (const GroupReach& reach : spot.groups) {
    groups.push_back({{"reachCentre",
                       {{"alongTrack", distance(reach.reachCentreX)},
                        {"rightOfTrack", distance(reach.reachCentreY)}}},
                      {"reachRadius", distance(reach.reachRadius)},
                      {"margin", distance(reach.margin)}});
  }
  const auto index = [](const std::optional<int>& k) { return k ? Json(*k) : Json(nullptr); };
  Json heading = nullptr;  // degrees true, and magnetic once a variation is given
  if (load.jumpRunHeading) {
    const std::optional<double> magnetic = MagneticHeadingOf(load);
    heading = {{"true", *load.jumpRunHeading}, {"magnetic", magnetic ? Json(*magnetic) : Json()}};
  }
  return {{"greenLight", point(spot.greenLight, Light::Green)},
          {"greenLightRange",
           spot.range ? Json{{"from", distance(spot.range->from)}, {"to", distance(spot.range->to)}}
                      : Json(nullptr)},
          {"redLight", point(spot.redLight, Light::Red)},
          {"jumpRunHeading", heading},
          {"offset", distance(spot.offset)},
          {"groups", groups},
          {"leastMargin", distance(spot.leastMargin)},
          {"allBack", spot.allBack},
          {"farthestOut", index(spot.farthestOut)},
          {"split", index(spot.split)}};
}

}  // namespace

std::string ResultJsonText(const LoadOutcome& outcome) {
  const Load& load = outcome.flown;
  const LoadFlight& flight = outcome.flight;
  const std::vector<Warning>& warnings = outcome.warnings;
  const DelayPlan* recommendation = outcome.recommendation ? &*outcome.recommendation : nullptr;
  const BestOrder* bestOrder = outcome.bestOrder ? &*outcome.bestOrder : nullptr;
  const Units& u = load.units;
  const auto distance = [&](double feet) { return Number(FromFeet(feet, u.distance)); };
  Json root;
  root["units"] = {{"altitude", UnitName(u.altitude)},
                   {"distance", UnitName(u.distance)},
                   {"speed", UnitName(u.speed)}};
  // The levels flown, in the load's units, and where they came from; null with layers.
  root["windLevels"] = nullptr;
  if (HasWindLevels(load)) {
    Json levels = Json::array();
    for (const WindLevel& level : load.windLevels) {
      Json object = {{"altitude", Number(FromFeet(level.altitude, u.altitude))}};
      if (const auto* directed = std::get_if<DirectedWind>(&level.wind)) {
        object["speed"] = Number(FromKnots(directed->speed, u.speed));
        object["from"] = Number(directed->from);
      } else {
        object["headwind"] = Number(FromKnots(std::get<Headwind>(level.wind).component, u.speed));
      }
      levels.push_back(object);
    }
    root["windLevels"] = levels;
  }
  root["windSource"] = nullptr;
  if (load.windSource) {
    const WindSource& s = *load.windSource;
    root["windSource"] = {{"format", s.format}, {"station", s.station}, {"model", s.model},
                          {"issued", s.issued}, {"valid", s.valid},     {"note", s.note}};
  }
  Json groups = Json::array();
  for (std::size_t k = 0; k < flight.groups.size(); ++k) {
    const GroupResult& g = flight.groups[k];
    groups.push_back({{"name", load.groups[k].name},
                      {"delay", k == 0 ? Json(nullptr) : Json(double(load.groups[k].delay))},
                      {"exitTime", g.exitTime},
                      {"fallTime", static_cast<double>(g.fallTime)},
                      {"openingAltitude", FromFeet(load.groups[k].openingAltitude, u.altitude)},
                      {"opening",
                       {{"downrange", distance(g.openingDownrange)},
                        {"crossrange", distance(g.openingCrossrange)}}}});
  }
  root["groups"] = groups;
  Json pairs = Json::array();
  for (const PairResult& p : flight.pairs) {
    pairs.push_back({{"first", p.first},
                     {"second", p.second},
                     {"whenFirstOpens", distance(p.whenFirstOpens)},
                     {"betweenDeploymentPoints", distance(p.betweenDeploymentPoints)},
                     {"whenSecondOpens", distance(p.whenSecondOpens)},
                     {"separation", distance(p.separation)},
                     {"meetsTarget", p.meetsTarget}});
  }
  root["pairs"] = pairs;
  // With fewer than two groups there is no pair, so no least separation.
  root["minimumSeparation"] =
      flight.minimumSeparation ? distance(*flight.minimumSeparation) : Json(nullptr);
  Json warningList = Json::array();
  for (const Warning& w : warnings)
    warningList.push_back({{"code", w.code}, {"message", w.message}});
  root["warnings"] = warningList;

  const auto planJson = [](const DelayPlan& plan) {
    Json delays = Json::array(), rounded = Json::array(), decided = Json::array();
    for (std::size_t k = 0; k < plan.gaps.size(); ++k) {
      const GapRecommendation& gap = plan.gaps[k];
      const bool shown = k > 0 && gap.reachable;
      delays.push_back(shown ? Json(*gap.delay) : Json(nullptr));
      rounded.push_back(shown ? Json(*gap.roundedDelay) : Json(nullptr));
      if (!shown) {
        decided.push_back(nullptr);
      } else if (gap.decidedBy) {
        decided.push_back(*gap.decidedBy);
      } else {
        decided.push_back("minimumDelay");
      }
    }
    return std::tuple{delays, rounded, decided};
  };
  root["recommendation"] = nullptr;
  if (recommendation != nullptr) {
    auto [delays, rounded, decided] = planJson(*recommendation);
    root["recommendation"] = {
        {"delays", delays},
        {"roundedDelays", rounded},
        {"decidedBy", decided},
        {"reachable", recommendation->reachable},
        {"totalTime",
         recommendation->totalTime ? Json(*recommendation->totalTime) : Json(nullptr)}};
  }
  root["bestOrder"] = nullptr;
  if (bestOrder != nullptr && bestOrder->found) {
    auto [delays, rounded, decided] = planJson(bestOrder->plan);
    root["bestOrder"] = {{"order", bestOrder->order},
                         {"roundedDelays", rounded},
                         {"totalTime", *bestOrder->plan.totalTime},
                         {"heuristic", bestOrder->heuristic}};
    // Only with the spot, as "spot" itself, so that a result without it keeps its shape.
    if (bestOrder->leastMargin)
      root["bestOrder"]["leastMargin"] = distance(*bestOrder->leastMargin);
  }
  // Only when asked, so that the result of a load without a spot keeps its shape.
  if (outcome.spot) root["spot"] = SpotJson(load, *outcome.spot, flight.aircraftGroundSpeed);
  return root.dump(2) + "\n";
}

}  // namespace tarnwick::load
