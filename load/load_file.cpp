#include "load/load_file.h"

#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "load/load_limits.h"
#include "load/number_text.h"

namespace tarnwick::load {
namespace {

using Json = nlohmann::ordered_json;  // fields in the documented order

// A file's problem: the field's path and what is wrong, in one line.
struct FileProblem {
  std::string message;
};

[[noreturn]] void Fail(const std::string& field, const std::string& problem) {
  throw FileProblem{field + ": " + problem};
}

const Json* Member(const Json& object, const char* name) {
  const auto it = object.find(name);
  return it == object.end() ? nullptr : &*it;
}

double NumberAt(const Json& value, const std::string& field) {
  if (!value.is_number()) Fail(field, "must be a number");
  const double number = value.get<double>();
  if (!std::isfinite(number)) Fail(field, "must be a finite number");
  return number;
}

std::optional<double> OptionalNumber(const Json& object, const char* name,
                                     const std::string& field) {
  const Json* value = Member(object, name);
  if (value == nullptr) return std::nullopt;
  return NumberAt(*value, field + name);
}

const Json& ObjectAt(const Json& value, const std::string& field) {
  if (!value.is_object()) Fail(field, "must be an object");
  return value;
}

std::string StringAt(const Json& value, const std::string& field) {
  if (!value.is_string()) Fail(field, "must be a text");
  return value.get<std::string>();
}

Units ReadUnits(const Json& root) {
  Units units;
  const Json* value = Member(root, "units");
  if (value == nullptr) return units;
  const Json& object = ObjectAt(*value, "units");
  for (const char* name : {"altitude", "distance"}) {
    if (const Json* unit = Member(object, name)) {
      const std::string field = std::string("units.") + name;
      const auto parsed = LengthUnitNamed(StringAt(*unit, field));
      if (!parsed) Fail(field, "must be \"ft\" or \"m\"");
      (std::string(name) == "altitude" ? units.altitude : units.distance) = *parsed;
    }
  }
  if (const Json* unit = Member(object, "speed")) {
    const auto parsed = SpeedUnitNamed(StringAt(*unit, "units.speed"));
    if (!parsed) Fail("units.speed", "must be \"kt\", \"km/h\", \"m/s\" or \"mph\"");
    units.speed = *parsed;
  }
  return units;
}

FallRate ReadFallRate(const Json& value, const Units& units, const std::string& field) {
  FallRate rate;
  if (value.is_string()) {
    const std::string word = value.get<std::string>();
    if (word == "slow") return rate;
    if (word == "fast") {
      rate.kind = FallRate::Kind::Fast;
      return rate;
    }
    Fail(field, "must be \"slow\", \"fast\", { \"dragArea\": ... } or { \"terminalSpeed\": ... }");
  }
  const Json& object = ObjectAt(value, field);
  if (const Json* area = Member(object, "dragArea")) {
    rate.kind = FallRate::Kind::DragArea;
    rate.dragArea = NumberAt(*area, field + ".dragArea");
    return rate;
  }
  const Json* speed = Member(object, "terminalSpeed");
  if (speed == nullptr) Fail(field, "needs \"dragArea\" or \"terminalSpeed\"");
  rate.kind = FallRate::Kind::TerminalSpeed;
  SpeedUnit unit = units.speed;
  if (const Json* named = Member(object, "unit")) {
    const auto parsed = SpeedUnitNamed(StringAt(*named, field + ".unit"));
    if (!parsed) Fail(field + ".unit", "must be \"kt\", \"km/h\", \"m/s\" or \"mph\"");
    unit = *parsed;
    rate.unit = unit;
  }
  rate.terminalSpeed = ToKnots(NumberAt(*speed, field + ".terminalSpeed"), unit);
  if (auto at = OptionalNumber(object, "atAltitude", field + ".")) {
    rate.atAltitude = ToFeet(*at, units.altitude);
  }
  return rate;
}

Load ReadLoadJson(const Json& root) {
  ObjectAt(root, "the file");
  const Json* format = Member(root, "format");
  if (format == nullptr) Fail("format", "is required");
  if (!format->is_string() || format->get<std::string>() != kLoadFormatName) {
    Fail("format", std::string("must be \"") + kLoadFormatName + "\"");
  }
  const Json* version = Member(root, "version");
  if (version == nullptr) Fail("version", "is required");
  if (!version->is_number_integer() || version->get<long long>() != kLoadFormatVersion) {
    Fail("version", "must be " + std::to_string(kLoadFormatVersion));
  }

  Load load;
  load.units = ReadUnits(root);
  const Units& units = load.units;
  if (const Json* name = Member(root, "name")) load.name = StringAt(*name, "name");

  const Json* aircraftValue = Member(root, "aircraft");
  if (aircraftValue == nullptr) Fail("aircraft", "is required");
  const Json& aircraft = ObjectAt(*aircraftValue, "aircraft");
  const Json* ias = Member(aircraft, "indicatedAirspeed");
  if (ias == nullptr) Fail("aircraft.indicatedAirspeed", "is required");
  load.indicatedAirspeed = ToKnots(NumberAt(*ias, "aircraft.indicatedAirspeed"), units.speed);
  if (auto exit = OptionalNumber(aircraft, "exitAltitude", "aircraft.")) {
    load.exitAltitude = ToFeet(*exit, units.altitude);
  }
  load.jumpRunHeading = OptionalNumber(root, "jumpRunHeading", "");

  if (const Json* winds = Member(root, "winds")) {
    if (!winds->is_array()) Fail("winds", "must be a list of layers");
    for (std::size_t i = 0; i < winds->size(); ++i) {
      const std::string field = "winds[" + std::to_string(i) + "]";
      const Json& object = ObjectAt((*winds)[i], field);
      WindLayer layer;
      if (auto above = OptionalNumber(object, "above", field + ".")) {
        layer.above = ToFeet(*above, units.altitude);
      }
      const auto headwind = OptionalNumber(object, "headwind", field + ".");
      const auto speed = OptionalNumber(object, "speed", field + ".");
      const auto from = OptionalNumber(object, "from", field + ".");
      if (headwind && (speed || from)) Fail(field, "has a headwind and a speed; give one");
      if (headwind) {
        layer.wind = Headwind{ToKnots(*headwind, units.speed)};
      } else {
        if (!speed || !from) Fail(field, "needs \"headwind\", or \"speed\" with \"from\"");
        layer.wind = DirectedWind{ToKnots(*speed, units.speed), *from};
      }
      load.winds.push_back(layer);
    }
  }

  if (auto target = OptionalNumber(root, "targetSeparation", "")) {
    load.targetSeparation = ToFeet(*target, units.distance);
  }
  if (auto minimum = OptionalNumber(root, "minimumDelay", "")) load.minimumDelay = *minimum;

  const Json* groups = Member(root, "groups");
  if (groups == nullptr) Fail("groups", "is required");
  if (!groups->is_array()) Fail("groups", "must be a list of groups");
  for (std::size_t i = 0; i < groups->size(); ++i) {
    const std::string field = "groups[" + std::to_string(i) + "]";
    const Json& object = ObjectAt((*groups)[i], field);
    Group group;
    group.name = "Group " + std::to_string(i + 1);
    if (const Json* name = Member(object, "name")) group.name = StringAt(*name, field + ".name");
    const Json* rate = Member(object, "fallRate");
    if (rate == nullptr) Fail(field + ".fallRate", "is required");
    group.fallRate = ReadFallRate(*rate, units, field + ".fallRate");
    if (auto opening = OptionalNumber(object, "openingAltitude", field + ".")) {
      group.openingAltitude = ToFeet(*opening, units.altitude);
    }
    // A later group without a delay leaves at the minimum delay; the first one's is ignored.
    const auto delay = OptionalNumber(object, "delay", field + ".");
    if (i > 0 && delay && !(*delay >= 0 && *delay <= limits::kMaxFileDelay)) {
      Fail(field + ".delay", "must lie from 0 to " + NumberText(limits::kMaxFileDelay) + " s");
    }
    group.delay = i == 0 ? 0.0f : static_cast<float>(delay.value_or(load.minimumDelay));
    load.groups.push_back(group);
  }
  if (auto problem = LoadProblem(load)) throw FileProblem{*problem};
  return load;
}

// A number converted from feet or knots into the file's units goes out with at most 15
// significant digits, as the shortest text that reads back the same (nlohmann's own output,
// independent of the locale). 15 digits keep every number typed in those units as typed and
// drop the last bits of the conversion: 914 m stays 914, never 913.9999999999999.
Json Number(double value) {
  constexpr int kDigits = 15;
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, kDigits);
  double rounded = value;
  if (written.ec == std::errc()) std::from_chars(text, written.ptr, rounded);
  return rounded;
}

}  // namespace

ReadLoad ReadLoadText(std::string_view text) {
  Json root;
  try {
    root = Json::parse(text.begin(), text.end());
  } catch (const Json::parse_error& error) {
    return {std::nullopt, std::string("the file is not JSON: ") + error.what()};
  }
  try {
    return {ReadLoadJson(root), {}};
  } catch (const FileProblem& problem) {
    return {std::nullopt, problem.message};
  } catch (const Json::exception& error) {
    return {std::nullopt, std::string("the file: ") + error.what()};
  }
}

std::string WriteLoadText(const Load& load) {
  const Units& u = load.units;
  Json root;
  root["format"] = kLoadFormatName;
  root["version"] = kLoadFormatVersion;
  if (!load.name.empty()) root["name"] = load.name;
  root["units"] = {{"altitude", UnitName(u.altitude)},
                   {"distance", UnitName(u.distance)},
                   {"speed", UnitName(u.speed)}};
  root["aircraft"] = {{"indicatedAirspeed", Number(FromKnots(load.indicatedAirspeed, u.speed))},
                      {"exitAltitude", Number(FromFeet(load.exitAltitude, u.altitude))}};
  if (load.jumpRunHeading) root["jumpRunHeading"] = *load.jumpRunHeading;
  Json winds = Json::array();
  for (const WindLayer& layer : load.winds) {
    Json object = Json::object();
    if (layer.above) object["above"] = Number(FromFeet(*layer.above, u.altitude));
    if (const auto* directed = std::get_if<DirectedWind>(&layer.wind)) {
      object["speed"] = Number(FromKnots(directed->speed, u.speed));
      object["from"] = directed->from;
    } else {
      object["headwind"] = Number(FromKnots(std::get<Headwind>(layer.wind).component, u.speed));
    }
    winds.push_back(object);
  }
  root["winds"] = winds;
  root["targetSeparation"] = Number(FromFeet(load.targetSeparation, u.distance));
  root["minimumDelay"] = load.minimumDelay;
  Json groups = Json::array();
  for (std::size_t i = 0; i < load.groups.size(); ++i) {
    const Group& group = load.groups[i];
    Json object = {{"name", group.name}};
    const FallRate& rate = group.fallRate;
    switch (rate.kind) {
      case FallRate::Kind::Slow:
        object["fallRate"] = "slow";
        break;
      case FallRate::Kind::Fast:
        object["fallRate"] = "fast";
        break;
      case FallRate::Kind::DragArea:
        object["fallRate"] = {{"dragArea", rate.dragArea}};
        break;
      case FallRate::Kind::TerminalSpeed: {
        const SpeedUnit unit = rate.unit.value_or(u.speed);
        object["fallRate"] = {{"terminalSpeed", Number(FromKnots(rate.terminalSpeed, unit))},
                              {"unit", UnitName(unit)},
                              {"atAltitude", Number(FromFeet(rate.atAltitude, u.altitude))}};
        break;
      }
    }
    object["openingAltitude"] = Number(FromFeet(group.openingAltitude, u.altitude));
    if (i > 0) object["delay"] = static_cast<double>(group.delay);
    groups.push_back(object);
  }
  root["groups"] = groups;
  return root.dump(2) + "\n";
}

}  // namespace tarnwick::load
