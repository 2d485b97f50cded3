#include "load/load_model.h"

#include <cmath>
#include <numbers>

#include "load/load_limits.h"
#include "load/number_text.h"
#include "output/printable_text.h"
#include "sim/constants.h"
#include "sim/dynamics.h"

namespace tarnwick::load {
namespace {

constexpr double kFullCircle = 360;

// "13500 ft" in the load's altitude unit.
std::string AltitudeText(double feet, const Units& units) {
  return NumberText(FromFeet(feet, units.altitude)) + " " + std::string(UnitName(units.altitude));
}

std::string SpeedText(double knots, const Units& units) {
  return NumberText(FromKnots(knots, units.speed)) + " " + std::string(UnitName(units.speed));
}

bool Within(double value, double low, double high) {
  return std::isfinite(value) && value >= low && value <= high;
}

// A fall rate's problem: the field within the fall rate, and what is wrong with it.
struct FallRateFault {
  std::string field;
  std::string text;
};

std::optional<FallRateFault> FallRateProblem(const FallRate& fallRate, const Units& units) {
  if (fallRate.kind == FallRate::Kind::TerminalSpeed) {
    if (!(std::isfinite(fallRate.terminalSpeed) && fallRate.terminalSpeed > 0)) {
      return FallRateFault{"terminalSpeed", "must be a speed above 0"};
    }
    if (!Within(fallRate.atAltitude, 0, limits::kMaxExitAltitude)) {
      return FallRateFault{"atAltitude",
                           "must lie from 0 to " + AltitudeText(limits::kMaxExitAltitude, units)};
    }
  }
  const double area = DragAreaOf(fallRate);
  if (!Within(area, limits::kMinDragArea, limits::kMaxDragArea)) {
    return FallRateFault{fallRate.kind == FallRate::Kind::DragArea ? "dragArea" : "terminalSpeed",
                         "gives a drag area of " + NumberText(area) + " sq ft, outside " +
                             NumberText(limits::kMinDragArea) + " to " +
                             NumberText(limits::kMaxDragArea) + " sq ft"};
  }
  return std::nullopt;
}

std::optional<std::string> WindProblem(const Load& load) {
  const Units& units = load.units;
  for (std::size_t i = 0; i < load.winds.size(); ++i) {
    const WindLayer& layer = load.winds[i];
    const std::string field = "winds[" + std::to_string(i) + "]";
    const bool last = i + 1 == load.winds.size();
    if (last && layer.above) return field + ".above: the last layer reaches the ground";
    if (!last && !layer.above) return field + ".above: only the last layer may have no base";
    if (layer.above) {
      if (!(std::isfinite(*layer.above) && *layer.above >= 0 && *layer.above < load.exitAltitude)) {
        return field + ".above: must lie from 0 to below the exit altitude (" +
               AltitudeText(load.exitAltitude, units) + ")";
      }
      if (i > 0 && !(*layer.above < *load.winds[i - 1].above)) {
        return field + ".above: bases must fall strictly from the top down";
      }
    }
    if (const auto* directed = std::get_if<DirectedWind>(&layer.wind)) {
      if (!Within(directed->speed, 0, limits::kMaxLayerSpeed)) {
        return field + ".speed: must lie from 0 to " + SpeedText(limits::kMaxLayerSpeed, units);
      }
      if (!Within(directed->from, 0, kFullCircle)) return field + ".from: must lie from 0 to 360";
      if (!load.jumpRunHeading) return field + ".from: a wind direction needs jumpRunHeading";
    } else if (!Within(std::get<Headwind>(layer.wind).component, -limits::kMaxLayerSpeed,
                       limits::kMaxLayerSpeed)) {
      return field + ".headwind: must lie from -" + SpeedText(limits::kMaxLayerSpeed, units) +
             " to " + SpeedText(limits::kMaxLayerSpeed, units);
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> NameProblem(std::string_view name) {
  if (CharacterCount(name) <= static_cast<std::size_t>(limits::kMaxNameLength)) return std::nullopt;
  return "must be at most " + std::to_string(limits::kMaxNameLength) + " characters long";
}

std::string GroupPlaceText(std::size_t index, const std::string* name, std::string_view path) {
  std::string text = "group " + std::to_string(index + 1);
  if (name != nullptr) text += " " + QuotedText(*name);
  return text + " (" + std::string(path) + ")";
}

double DragAreaOf(const FallRate& fallRate) {
  switch (fallRate.kind) {
    case FallRate::Kind::Slow:
      return model::kSlowDragArea;
    case FallRate::Kind::Fast:
      return model::kFastDragArea;
    case FallRate::Kind::DragArea:
      return fallRate.dragArea;
    case FallRate::Kind::TerminalSpeed: {
      // Where drag balances the weight: weight = 0.5 x density x area x speed^2.
      const double speed = KnotsToFeetPerSecond(fallRate.terminalSpeed);
      return 2 * model::kJumperWeight / (AirDensity(fallRate.atAltitude) * speed * speed);
    }
  }
  return model::kSlowDragArea;
}

TrackWind TrackWindOf(const WindLayer& layer, std::optional<double> jumpRunHeading) {
  if (const auto* headwind = std::get_if<Headwind>(&layer.wind)) {
    return {KnotsToFeetPerSecond(headwind->component), 0};
  }
  const auto& directed = std::get<DirectedWind>(layer.wind);
  const double angle = (directed.from - jumpRunHeading.value_or(0)) * std::numbers::pi / 180;
  const double speed = KnotsToFeetPerSecond(directed.speed);
  return {speed * std::cos(angle), -speed * std::sin(angle)};
}

std::optional<std::size_t> LayerAt(const std::vector<WindLayer>& winds, double altitude) {
  for (std::size_t i = 0; i < winds.size(); ++i) {
    if (!winds[i].above || *winds[i].above < altitude) return i;
  }
  return std::nullopt;
}

double TrueAirspeedAt(double indicatedAirspeed, double exitAltitude) {
  const double densityRatio = AirDensity(0) / AirDensity(exitAltitude);
  return std::sqrt(densityRatio) * indicatedAirspeed * model::kFeetPerSecondPerKnot;
}

TrackWind WindAt(const Load& load, double altitude) {
  const auto layer = LayerAt(load.winds, altitude);
  return layer ? TrackWindOf(load.winds[*layer], load.jumpRunHeading) : TrackWind{};
}

std::optional<std::string> LoadProblem(const Load& load) {
  if (auto problem = DraftLoadProblem(load)) return problem;
  if (load.groups.empty()) return "groups: a load needs at least one group";
  return std::nullopt;
}

std::optional<std::string> DraftLoadProblem(const Load& load) {
  const Units& units = load.units;
  if (!Within(load.indicatedAirspeed, 0, limits::kMaxAirspeed)) {
    return "aircraft.indicatedAirspeed: must lie from 0 to " +
           SpeedText(limits::kMaxAirspeed, units);
  }
  if (!(std::isfinite(load.exitAltitude) && load.exitAltitude > 0 &&
        load.exitAltitude <= limits::kMaxExitAltitude)) {
    return "aircraft.exitAltitude: must lie above 0 and up to " +
           AltitudeText(limits::kMaxExitAltitude, units);
  }
  if (load.jumpRunHeading && !Within(*load.jumpRunHeading, 0, kFullCircle)) {
    return "jumpRunHeading: must lie from 0 to 360";
  }
  if (load.winds.size() > static_cast<std::size_t>(limits::kMaxWindLayers)) {
    return "winds: at most " + std::to_string(limits::kMaxWindLayers) + " layers";
  }
  if (auto problem = WindProblem(load)) return problem;
  // Without a crosswind the aircraft flies the jump run at any airspeed, even none.
  const TrackWind exitWind = WindAt(load, load.exitAltitude);
  if (exitWind.cross != 0 &&
      std::fabs(exitWind.cross) >= TrueAirspeedAt(load.indicatedAirspeed, load.exitAltitude)) {
    return "winds: the crosswind at exit altitude is at or above the aircraft's true airspeed";
  }
  if (!Within(load.targetSeparation, 0, limits::kMaxTargetSeparation)) {
    return "targetSeparation: must lie from 0 to " +
           NumberText(FromFeet(limits::kMaxTargetSeparation, units.distance)) + " " +
           std::string(UnitName(units.distance));
  }
  if (!Within(load.minimumDelay, 0, limits::kMaxFileDelay)) {
    return "minimumDelay: must lie from 0 to " + NumberText(limits::kMaxFileDelay) + " s";
  }
  if (auto problem = NameProblem(load.name)) return "name: " + *problem;
  if (load.groups.size() > static_cast<std::size_t>(limits::kMaxGroups)) {
    return "groups: at most " + std::to_string(limits::kMaxGroups) + " groups";
  }
  for (std::size_t i = 0; i < load.groups.size(); ++i) {
    const Group& group = load.groups[i];
    const std::string path = "groups[" + std::to_string(i) + "]";
    if (auto problem = NameProblem(group.name)) {
      return GroupPlaceText(i, nullptr, path + ".name") + ": " + *problem;
    }
    const auto place = [&](std::string_view field) {
      return GroupPlaceText(i, &group.name, path + "." + std::string(field)) + ": ";
    };
    if (auto problem = FallRateProblem(group.fallRate, units)) {
      return place("fallRate." + problem->field) + problem->text;
    }
    if (!(std::isfinite(group.openingAltitude) && group.openingAltitude >= 0 &&
          group.openingAltitude < load.exitAltitude)) {
      return place("openingAltitude") + "must lie from 0 to below the exit altitude (" +
             AltitudeText(load.exitAltitude, units) + ")";
    }
    if (i > 0 && !Within(group.delay, 0, limits::kMaxPlannedDelay)) {
      return place("delay") + "must lie from 0 to " + NumberText(limits::kMaxPlannedDelay) + " s";
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick::load
