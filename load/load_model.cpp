#include "load/load_model.h"

#include <cmath>
#include <numbers>

#include "load/load_limits.h"
#include "load/number_text.h"
#include "load/wind_profile.h"
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

std::optional<std::string> CanopyProblem(const Canopy& canopy, const Units& units) {
  if (!Within(canopy.airspeed, 0, limits::kMaxCanopyAirspeed)) {
    return "airspeed: must lie from 0 to " + SpeedText(limits::kMaxCanopyAirspeed, units);
  }
  if (!(std::isfinite(canopy.sinkRate) && canopy.sinkRate > 0 &&
        canopy.sinkRate <= limits::kMaxSinkRate)) {
    return "sinkRate: must lie above 0 and up to " +
           NumberText(FromFeet(limits::kMaxSinkRate, units.altitude)) + " " +
           std::string(UnitName(units.altitude)) + "/s";
  }
  return std::nullopt;
}

std::optional<std::string> SpotProblem(const Load& load) {
  const Units& units = load.units;
  if (!Within(load.jumpRunOffset, -limits::kMaxJumpRunOffset, limits::kMaxJumpRunOffset)) {
    const std::string most = NumberText(FromFeet(limits::kMaxJumpRunOffset, units.distance)) + " " +
                             std::string(UnitName(units.distance));
    return "jumpRun.offset: must lie from -" + most + " to " + most;
  }
  if (auto problem = CanopyProblem(load.canopy, units)) return "canopy." + *problem;
  if (!Within(load.patternAltitude, 0, limits::kMaxPatternAltitude)) {
    return "patternAltitude: must lie from 0 to " +
           AltitudeText(limits::kMaxPatternAltitude, units) + " above the landing area";
  }
  if (!(std::isfinite(load.reachFactor) && load.reachFactor > 0 &&
        load.reachFactor <= limits::kMaxReachFactor)) {
    return "reachFactor: must lie above 0 and up to " + NumberText(limits::kMaxReachFactor);
  }
  return std::nullopt;
}

// A layer's or level's wind: its speed or component within `maxSpeed` kt, its direction a
// bearing, and a direction only with a jump run heading.
std::optional<std::string> LayerWindProblem(const LayerWind& wind, double maxSpeed,
                                            const Load& load, const std::string& field) {
  const Units& units = load.units;
  if (const auto* directed = std::get_if<DirectedWind>(&wind)) {
    if (!Within(directed->speed, 0, maxSpeed)) {
      return field + ".speed: must lie from 0 to " + SpeedText(maxSpeed, units);
    }
    if (!Within(directed->from, 0, kFullCircle)) return field + ".from: must lie from 0 to 360";
    if (!load.jumpRunHeading) return field + ".from: a wind direction needs jumpRunHeading";
  } else if (!Within(std::get<Headwind>(wind).component, -maxSpeed, maxSpeed)) {
    return field + ".headwind: must lie from -" + SpeedText(maxSpeed, units) + " to " +
           SpeedText(maxSpeed, units);
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
    if (auto problem = LayerWindProblem(layer.wind, limits::kMaxLayerSpeed, load, field)) {
      return problem;
    }
  }
  return std::nullopt;
}

std::optional<std::string> LevelsProblem(const Load& load) {
  if (load.windLevels.empty()) {
    if (load.windSource) return "windSource: goes with windLevels only";
    return std::nullopt;
  }
  if (!load.winds.empty())
    return "windLevels: a load gives its winds as layers or as levels, not both";
  if (load.windLevels.size() > static_cast<std::size_t>(limits::kMaxWindLevels)) {
    return "windLevels: at most " + std::to_string(limits::kMaxWindLevels) + " levels";
  }
  for (std::size_t i = 0; i < load.windLevels.size(); ++i) {
    const std::string field = "windLevels[" + std::to_string(i) + "]";
    if (auto problem = WindLevelProblem(load.windLevels[i], load, field)) return problem;
    if (i > 0 && !(load.windLevels[i].altitude < load.windLevels[i - 1].altitude)) {
      return field + ".altitude: levels must stand at distinct altitudes, from the top down";
    }
  }
  if (load.windSource) {
    const WindSource& source = *load.windSource;
    for (const auto& [name, text] : {std::pair{"format", &source.format},
                                     {"station", &source.station},
                                     {"model", &source.model},
                                     {"issued", &source.issued},
                                     {"valid", &source.valid},
                                     {"note", &source.note}}) {
      if (CharacterCount(*text) > static_cast<std::size_t>(limits::kMaxSourceTextLength)) {
        return std::string("windSource.") + name + ": must be at most " +
               std::to_string(limits::kMaxSourceTextLength) + " characters long";
      }
    }
  }
  return std::nullopt;
}

std::optional<std::string> HeadingProblem(const Load& load) {
  if (load.jumpRunHeading && !Within(*load.jumpRunHeading, 0, kFullCircle)) {
    return "jumpRunHeading: must lie from 0 to 360";
  }
  if (load.magneticVariation && !Within(*load.magneticVariation, -limits::kMaxMagneticVariation,
                                        limits::kMaxMagneticVariation)) {
    return "magneticVariation: must lie from -" + NumberText(limits::kMaxMagneticVariation) +
           " to " + NumberText(limits::kMaxMagneticVariation);
  }
  if (load.headingReference == HeadingReference::Magnetic && !load.magneticVariation) {
    return "headingReference: a magnetic heading needs magneticVariation";
  }
  return std::nullopt;
}

std::optional<std::string> DropZoneProblem(const Load& load) {
  if (!load.dropZone) return std::nullopt;
  const DropZone& zone = *load.dropZone;
  if (auto problem = NameProblem(zone.name)) return "dropZone.name: " + *problem;
  if (zone.latitude && !Within(*zone.latitude, -90, 90)) {
    return "dropZone.latitude: must lie from -90 to 90";
  }
  if (zone.longitude && !Within(*zone.longitude, -180, 180)) {
    return "dropZone.longitude: must lie from -180 to 180";
  }
  if (zone.elevation &&
      !Within(*zone.elevation, limits::kMinDropZoneElevation, limits::kMaxExitAltitude)) {
    return "dropZone.elevation: must lie from " +
           AltitudeText(limits::kMinDropZoneElevation, load.units) + " to " +
           AltitudeText(limits::kMaxExitAltitude, load.units);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> WindLevelProblem(const WindLevel& level, const Load& load,
                                            const std::string& field) {
  if (!Within(level.altitude, 0, limits::kMaxLevelAltitude)) {
    return field + ".altitude: must lie from 0 to " +
           AltitudeText(limits::kMaxLevelAltitude, load.units);
  }
  return LayerWindProblem(level.wind, limits::kMaxLevelSpeed, load, field);
}

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

TrackWind TrackWindOf(const LayerWind& wind, std::optional<double> jumpRunHeading) {
  if (const auto* headwind = std::get_if<Headwind>(&wind)) {
    return {KnotsToFeetPerSecond(headwind->component), 0};
  }
  const auto& directed = std::get<DirectedWind>(wind);
  const double angle = (directed.from - jumpRunHeading.value_or(0)) * std::numbers::pi / 180;
  const double speed = KnotsToFeetPerSecond(directed.speed);
  return {speed * std::cos(angle), -speed * std::sin(angle)};
}

TrackWind TrackWindOf(const WindLayer& layer, std::optional<double> jumpRunHeading) {
  return TrackWindOf(layer.wind, jumpRunHeading);
}

bool HasWindLevels(const Load& load) {
  return !load.windLevels.empty();
}

double NormalizedHeading(double degrees) {
  const double turned = std::fmod(degrees, kFullCircle);
  const double heading = turned < 0 ? turned + kFullCircle : turned;
  return heading >= kFullCircle ? 0 : heading;  // -1e-20 + 360 rounds to 360
}

std::optional<double> MagneticHeadingOf(const Load& load) {
  if (!load.jumpRunHeading || !load.magneticVariation) return std::nullopt;
  return NormalizedHeading(*load.jumpRunHeading - *load.magneticVariation);
}

double TrueAirspeedAt(double indicatedAirspeed, double exitAltitude) {
  const double densityRatio = AirDensity(0) / AirDensity(exitAltitude);
  return std::sqrt(densityRatio) * indicatedAirspeed * model::kFeetPerSecondPerKnot;
}

const Canopy& CanopyOf(const Load& load, std::size_t index) {
  const auto& own = load.groups[index].canopy;
  return own ? *own : load.canopy;
}

double LandingAreaElevation(const Load& load) {
  // Without a drop zone's elevation the landing area lies at sea level.
  return load.dropZone ? load.dropZone->elevation.value_or(0) : 0;
}

std::optional<GeoPosition> LandingAreaPosition(const Load& load) {
  if (!load.dropZone || !load.dropZone->latitude || !load.dropZone->longitude) {
    return std::nullopt;
  }
  return GeoPosition{*load.dropZone->latitude, *load.dropZone->longitude};
}

TrackWind WindAt(const Load& load, double altitude) {
  return WindProfile(load).At(altitude);
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
  if (auto problem = HeadingProblem(load)) return problem;
  if (load.winds.size() > static_cast<std::size_t>(limits::kMaxWindLayers)) {
    return "winds: at most " + std::to_string(limits::kMaxWindLayers) + " layers";
  }
  if (auto problem = WindProblem(load)) return problem;
  if (auto problem = LevelsProblem(load)) return problem;
  if (auto problem = DropZoneProblem(load)) return problem;
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
  if (auto problem = SpotProblem(load)) return problem;
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
    // A canopy opened on the ground or below it is no plan at all.
    const double ground = LandingAreaElevation(load);
    if (!(std::isfinite(group.openingAltitude) && group.openingAltitude > ground &&
          group.openingAltitude < load.exitAltitude)) {
      return place("openingAltitude") + "must lie above the landing area (" +
             AltitudeText(ground, units) + ") and below the exit altitude (" +
             AltitudeText(load.exitAltitude, units) + ")";
    }
    if (group.canopy) {
      if (auto problem = CanopyProblem(*group.canopy, units)) return place("canopy." + *problem);
    }
    if (i > 0 && !Within(group.delay, 0, limits::kMaxPlannedDelay)) {
      return place("delay") + "must lie from 0 to " + NumberText(limits::kMaxPlannedDelay) + " s";
    }
  }
  return std::nullopt;
}

}  // namespace tarnwick::load
