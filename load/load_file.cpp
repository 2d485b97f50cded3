#include "load/load_file.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <vector>

#include "load/load_limits.h"
#include "load/nearest_name.h"
#include "load/number_text.h"
#include "load/strict_json.h"
#include "output/input_file.h"
#include "output/printable_text.h"
#include "sim/decimal_text.h"

namespace tarnwick::load {
namespace {

// A file's problem: the field's place as messages name it, and what is wrong.
struct FileProblem {
  std::string place;
  std::string problem;
};

[[noreturn]] void Fail(const std::string& place, const std::string& problem) {
  throw FileProblem{place, problem};
}

const JsonValue* Member(const JsonValue& object, const char* name) {
  const auto it = object.find(name);
  return it == object.end() ? nullptr : &*it;
}

// `path.name`, or `name` at the top.
std::string Joined(const std::string& path, std::string_view name) {
  return path.empty() ? std::string(name) : path + "." + std::string(name);
}

// Every field of `object` must be one of `known`: a misspelt field would otherwise leave its
// default in place without a word, which in a plan is a wrong answer.
void OnlyKnownFields(const JsonValue& object, const std::string& path,
                     const std::vector<std::string_view>& known) {
  for (const auto& [name, value] : object.items()) {
    if (std::find(known.begin(), known.end(), name) != known.end()) continue;
    std::string problem = "unknown field";
    if (const auto nearest = NearestName(name, known)) {
      problem += "; did you mean " + std::string(*nearest) + "?";
    }
    Fail(Joined(path, EchoedFieldName(name)), problem);
  }
}

double NumberAt(const JsonValue& value, const std::string& field) {
  if (!value.is_number()) Fail(field, "must be a number");
  const double number = value.get<double>();
  if (!std::isfinite(number)) Fail(field, "must be a finite number");
  return number;
}

std::optional<double> OptionalNumber(const JsonValue& object, const char* name,
                                     const std::string& path) {
  const JsonValue* value = Member(object, name);
  if (value == nullptr) return std::nullopt;
  return NumberAt(*value, Joined(path, name));
}

const JsonValue& ObjectAt(const JsonValue& value, const std::string& field) {
  if (!value.is_object()) Fail(field, "must be an object");
  return value;
}

std::string StringAt(const JsonValue& value, const std::string& field) {
  if (!value.is_string()) Fail(field, "must be a text");
  return value.get<std::string>();
}

// A float for a group's delay; one beyond a float's range becomes NaN, which LoadProblem
// refuses, rather than a conversion the language leaves undefined.
float DelayFloat(double seconds) {
  return std::fabs(seconds) <= std::numeric_limits<float>::max()
             ? static_cast<float>(seconds)
             : std::numeric_limits<float>::quiet_NaN();
}

Units ReadUnits(const JsonValue& root) {
  Units units;
  const JsonValue* value = Member(root, "units");
  if (value == nullptr) return units;
  const JsonValue& object = ObjectAt(*value, "units");
  OnlyKnownFields(object, "units", {"altitude", "distance", "speed"});
  for (const char* name : {"altitude", "distance"}) {
    if (const JsonValue* unit = Member(object, name)) {
      const std::string field = std::string("units.") + name;
      const auto parsed = LengthUnitNamed(StringAt(*unit, field));
      if (!parsed) Fail(field, "must be \"ft\" or \"m\"");
      (std::string(name) == "altitude" ? units.altitude : units.distance) = *parsed;
    }
  }
  if (const JsonValue* unit = Member(object, "speed")) {
    const auto parsed = SpeedUnitNamed(StringAt(*unit, "units.speed"));
    if (!parsed) Fail("units.speed", "must be \"kt\", \"km/h\", \"m/s\" or \"mph\"");
    units.speed = *parsed;
  }
  return units;
}

FallRate ReadFallRate(const JsonValue& value, const Units& units, const std::string& field) {
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
  const JsonValue& object = ObjectAt(value, field);
  OnlyKnownFields(object, field, {"dragArea", "terminalSpeed", "unit", "atAltitude"});
  if (const JsonValue* area = Member(object, "dragArea")) {
    if (Member(object, "terminalSpeed") != nullptr) {
      Fail(field, "has a dragArea and a terminalSpeed; give one");
    }
    for (const char* name : {"unit", "atAltitude"}) {
      if (Member(object, name) != nullptr)
        Fail(Joined(field, name), "goes with terminalSpeed only");
    }
    rate.kind = FallRate::Kind::DragArea;
    rate.dragArea = NumberAt(*area, field + ".dragArea");
    return rate;
  }
  const JsonValue* speed = Member(object, "terminalSpeed");
  if (speed == nullptr) Fail(field, "needs \"dragArea\" or \"terminalSpeed\"");
  rate.kind = FallRate::Kind::TerminalSpeed;
  SpeedUnit unit = units.speed;
  if (const JsonValue* named = Member(object, "unit")) {
    const auto parsed = SpeedUnitNamed(StringAt(*named, field + ".unit"));
    if (!parsed) Fail(field + ".unit", "must be \"kt\", \"km/h\", \"m/s\" or \"mph\"");
    unit = *parsed;
    rate.unit = unit;
  }
  rate.terminalSpeed = ToKnots(NumberAt(*speed, field + ".terminalSpeed"), unit);
  if (auto at = OptionalNumber(object, "atAltitude", field)) {
    rate.atAltitude = ToFeet(*at, units.altitude);
  }
  return rate;
}

// A layer's or level's wind: a headwind, or a speed with the direction it blows from.
LayerWind ReadLayerWind(const JsonValue& object, const Units& units, const std::string& field) {
  const auto headwind = OptionalNumber(object, "headwind", field);
  const auto speed = OptionalNumber(object, "speed", field);
  const auto from = OptionalNumber(object, "from", field);
  if (headwind && (speed || from)) Fail(field, "has a headwind and a speed; give one");
  if (headwind) return Headwind{ToKnots(*headwind, units.speed)};
  if (!speed || !from) Fail(field, "needs \"headwind\", or \"speed\" with \"from\"");
  return DirectedWind{ToKnots(*speed, units.speed), *from};
}

// A canopy object: each field given replaces the one of `base`, the load's canopy for a group.
Canopy ReadCanopy(const JsonValue& value, const Units& units, const std::string& field,
                  Canopy base) {
  const JsonValue& object = ObjectAt(value, field);
  OnlyKnownFields(object, field, {"airspeed", "sinkRate"});
  if (auto airspeed = OptionalNumber(object, "airspeed", field)) {
    base.airspeed = ToKnots(*airspeed, units.speed);
  }
  if (auto sink = OptionalNumber(object, "sinkRate", field)) {
    base.sinkRate = ToFeet(*sink, units.altitude);
  }
  return base;
}

WindLayer ReadWindLayer(const JsonValue& value, const Units& units, const std::string& field) {
  const JsonValue& object = ObjectAt(value, field);
  OnlyKnownFields(object, field, {"above", "headwind", "speed", "from"});
  WindLayer layer;
  if (auto above = OptionalNumber(object, "above", field)) {
    layer.above = ToFeet(*above, units.altitude);
  }
  layer.wind = ReadLayerWind(object, units, field);
  return layer;
}

// The levels in any order, each checked where the file has it, then stored from the top down.
std::vector<WindLevel> ReadWindLevels(const JsonValue& value, const Load& load) {
  if (!value.is_array()) Fail("windLevels", "must be a list of levels");
  if (value.empty()) Fail("windLevels", "needs at least one level");
  if (value.size() > static_cast<std::size_t>(limits::kMaxWindLevels)) {
    Fail("windLevels", "at most " + std::to_string(limits::kMaxWindLevels) + " levels");
  }
  std::vector<WindLevel> levels;
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string field = "windLevels[" + std::to_string(i) + "]";
    const JsonValue& object = ObjectAt(value[i], field);
    OnlyKnownFields(object, field, {"altitude", "headwind", "speed", "from"});
    const JsonValue* altitude = Member(object, "altitude");
    if (altitude == nullptr) Fail(field + ".altitude", "is required");
    WindLevel level{ToFeet(NumberAt(*altitude, field + ".altitude"), load.units.altitude),
                    ReadLayerWind(object, load.units, field)};
    if (auto problem = WindLevelProblem(level, load, field)) throw FileProblem{{}, *problem};
    levels.push_back(level);
    order.push_back(i);
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return levels[a].altitude > levels[b].altitude;
  });
  std::vector<WindLevel> sorted;
  for (std::size_t k = 0; k < order.size(); ++k) {
    if (k > 0 && levels[order[k]].altitude == levels[order[k - 1]].altitude) {
      const auto [first, second] = std::minmax(order[k], order[k - 1]);
      Fail("windLevels[" + std::to_string(second) + "].altitude",
           "stands at the altitude of windLevels[" + std::to_string(first) + "]");
    }
    sorted.push_back(levels[order[k]]);
  }
  return sorted;
}

std::optional<std::string> OptionalText(const JsonValue& object, const char* name,
                                        const std::string& path) {
  const JsonValue* value = Member(object, name);
  if (value == nullptr) return std::nullopt;
  return StringAt(*value, Joined(path, name));
}

DropZone ReadDropZone(const JsonValue& value, const Units& units) {
  const JsonValue& object = ObjectAt(value, "dropZone");
  OnlyKnownFields(object, "dropZone", {"name", "latitude", "longitude", "elevation"});
  DropZone zone;
  zone.name = OptionalText(object, "name", "dropZone").value_or("");
  zone.latitude = OptionalNumber(object, "latitude", "dropZone");
  zone.longitude = OptionalNumber(object, "longitude", "dropZone");
  if (auto elevation = OptionalNumber(object, "elevation", "dropZone")) {
    zone.elevation = ToFeet(*elevation, units.altitude);
  }
  return zone;
}

// The fields of a wind source, in the order the file writes them.
std::vector<std::pair<const char*, std::string WindSource::*>> SourceFields() {
  return {{"format", &WindSource::format}, {"station", &WindSource::station},
          {"model", &WindSource::model},   {"issued", &WindSource::issued},
          {"valid", &WindSource::valid},   {"note", &WindSource::note}};
}

WindSource ReadWindSource(const JsonValue& value) {
  const JsonValue& object = ObjectAt(value, "windSource");
  std::vector<std::string_view> known;
  for (const auto& [name, member] : SourceFields()) known.push_back(name);
  OnlyKnownFields(object, "windSource", known);
  WindSource source;
  for (const auto& [name, member] : SourceFields()) {
    source.*member = OptionalText(object, name, "windSource").value_or("");
  }
  return source;
}

// The jump run heading's reference. A magnetic heading is flown as the true one it stands for.
void ReadHeadingReference(const JsonValue& root, Load& load) {
  load.magneticVariation = OptionalNumber(root, "magneticVariation", "");
  const auto reference = OptionalText(root, "headingReference", "");
  if (!reference || *reference == "true") return;
  if (*reference != "magnetic") Fail("headingReference", "must be \"true\" or \"magnetic\"");
  load.headingReference = HeadingReference::Magnetic;
  if (!load.magneticVariation)
    Fail("headingReference", "a magnetic heading needs magneticVariation");
  if (load.jumpRunHeading) {
    if (!(*load.jumpRunHeading >= 0 && *load.jumpRunHeading <= 360)) {
      Fail("jumpRunHeading", "must lie from 0 to 360");
    }
    load.jumpRunHeading = NormalizedHeading(*load.jumpRunHeading + *load.magneticVariation);
  }
}

// Group `index` of the file. Its problems name it as the window does, by number and name, once
// the name is known to be fit to show.
Group ReadGroup(const JsonValue& value, std::size_t index, const Load& load) {
  const std::string path = "groups[" + std::to_string(index) + "]";
  Group group;
  group.name = "Group " + std::to_string(index + 1);
  bool nameFit = false;
  try {
    const JsonValue& object = ObjectAt(value, path);
    if (const JsonValue* name = Member(object, "name")) {
      group.name = StringAt(*name, path + ".name");
      if (auto problem = NameProblem(group.name)) Fail(path + ".name", *problem);
    }
    nameFit = true;
    OnlyKnownFields(object, path, {"name", "fallRate", "openingAltitude", "delay", "canopy"});
    const JsonValue* rate = Member(object, "fallRate");
    if (rate == nullptr) Fail(path + ".fallRate", "is required");
    group.fallRate = ReadFallRate(*rate, load.units, path + ".fallRate");
    if (auto opening = OptionalNumber(object, "openingAltitude", path)) {
      group.openingAltitude = ToFeet(*opening, load.units.altitude);
    }
    // A later group without a delay leaves at the minimum delay; the first one's is ignored.
    const auto delay = OptionalNumber(object, "delay", path);
    if (index > 0 && delay && !(*delay >= 0 && *delay <= limits::kMaxFileDelay)) {
      Fail(path + ".delay", "must lie from 0 to " + NumberText(limits::kMaxFileDelay) + " s");
    }
    group.delay = index == 0 ? 0.0f : DelayFloat(delay.value_or(load.minimumDelay));
    if (const JsonValue* canopy = Member(object, "canopy")) {
      group.canopy = ReadCanopy(*canopy, load.units, path + ".canopy", load.canopy);
    }
    return group;
  } catch (FileProblem& problem) {
    problem.place = GroupPlaceText(index, nameFit ? &group.name : nullptr, problem.place);
    throw;
  }
}

Load ReadLoadJson(const JsonValue& root) {
  ObjectAt(root, "the file");
  const JsonValue* format = Member(root, "format");
  if (format == nullptr) Fail("format", "is required");
  if (!format->is_string() || format->get<std::string>() != kLoadFormatName) {
    Fail("format", std::string("must be \"") + kLoadFormatName + "\"");
  }
  const JsonValue* version = Member(root, "version");
  if (version == nullptr) Fail("version", "is required");
  if (!version->is_number_integer() || version->get<long long>() != kLoadFormatVersion) {
    Fail("version", "must be " + std::to_string(kLoadFormatVersion));
  }
  OnlyKnownFields(
      root, "",
      {"format", "version", "name", "units", "aircraft", "jumpRunHeading", "headingReference",
       "magneticVariation", "dropZone", "winds", "windLevels", "windSource", "targetSeparation",
       "minimumDelay", "groups", "jumpRun", "canopy", "patternAltitude", "reachFactor"});

  Load load;
  load.units = ReadUnits(root);
  const Units& units = load.units;
  if (const JsonValue* name = Member(root, "name")) {
    load.name = StringAt(*name, "name");
    if (auto problem = NameProblem(load.name)) Fail("name", *problem);
  }

  const JsonValue* aircraftValue = Member(root, "aircraft");
  if (aircraftValue == nullptr) Fail("aircraft", "is required");
  const JsonValue& aircraft = ObjectAt(*aircraftValue, "aircraft");
  OnlyKnownFields(aircraft, "aircraft", {"indicatedAirspeed", "exitAltitude"});
  const JsonValue* ias = Member(aircraft, "indicatedAirspeed");
  if (ias == nullptr) Fail("aircraft.indicatedAirspeed", "is required");
  load.indicatedAirspeed = ToKnots(NumberAt(*ias, "aircraft.indicatedAirspeed"), units.speed);
  if (auto exit = OptionalNumber(aircraft, "exitAltitude", "aircraft")) {
    load.exitAltitude = ToFeet(*exit, units.altitude);
  }
  load.jumpRunHeading = OptionalNumber(root, "jumpRunHeading", "");
  ReadHeadingReference(root, load);
  if (const JsonValue* zone = Member(root, "dropZone")) load.dropZone = ReadDropZone(*zone, units);

  if (Member(root, "winds") != nullptr && Member(root, "windLevels") != nullptr) {
    Fail("windLevels", "a load gives its winds as layers or as levels, not both");
  }
  if (const JsonValue* levels = Member(root, "windLevels")) {
    load.windLevels = ReadWindLevels(*levels, load);
  }
  if (const JsonValue* source = Member(root, "windSource")) {
    load.windSource = ReadWindSource(*source);
  }
  if (const JsonValue* winds = Member(root, "winds")) {
    if (!winds->is_array()) Fail("winds", "must be a list of layers");
    for (std::size_t i = 0; i < winds->size(); ++i) {
      load.winds.push_back(ReadWindLayer((*winds)[i], units, "winds[" + std::to_string(i) + "]"));
    }
  }

  if (auto target = OptionalNumber(root, "targetSeparation", "")) {
    load.targetSeparation = ToFeet(*target, units.distance);
  }
  if (auto minimum = OptionalNumber(root, "minimumDelay", "")) load.minimumDelay = *minimum;
  if (const JsonValue* jumpRun = Member(root, "jumpRun")) {
    const JsonValue& object = ObjectAt(*jumpRun, "jumpRun");
    OnlyKnownFields(object, "jumpRun", {"offset"});
    if (auto offset = OptionalNumber(object, "offset", "jumpRun")) {
      load.jumpRunOffset = ToFeet(*offset, units.distance);
    }
  }
  if (const JsonValue* canopy = Member(root, "canopy")) {
    load.canopy = ReadCanopy(*canopy, units, "canopy", load.canopy);
  }
  if (auto pattern = OptionalNumber(root, "patternAltitude", "")) {
    load.patternAltitude = ToFeet(*pattern, units.altitude);
  }
  if (auto factor = OptionalNumber(root, "reachFactor", "")) load.reachFactor = *factor;

  const JsonValue* groups = Member(root, "groups");
  if (groups == nullptr) Fail("groups", "is required");
  if (!groups->is_array()) Fail("groups", "must be a list of groups");
  for (std::size_t i = 0; i < groups->size(); ++i) {
    load.groups.push_back(ReadGroup((*groups)[i], i, load));
  }
  if (auto problem = LoadProblem(load)) throw FileProblem{{}, *problem};
  return load;
}

using Json = nlohmann::ordered_json;  // written fields in the documented order

// A number converted from feet or knots into the file's units goes out with at most 15
// significant digits, as the shortest text that reads back the same (nlohmann's own output,
// independent of the locale). 15 digits keep every number typed in those units as typed and
// drop the last bits of the conversion: 914 m stays 914, never 913.9999999999999.
Json Number(double value) {
  constexpr int kDigits = 15;
  return ReadDecimal(SignificantText(value, kDigits)).value_or(value);
}

void WriteLayerWind(const LayerWind& wind, const Units& u, Json& object) {
  if (const auto* directed = std::get_if<DirectedWind>(&wind)) {
    object["speed"] = Number(FromKnots(directed->speed, u.speed));
    object["from"] = directed->from;
  } else {
    object["headwind"] = Number(FromKnots(std::get<Headwind>(wind).component, u.speed));
  }
}

}  // namespace

ReadLoad ReadLoadText(std::string_view text) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    return {std::nullopt, "the file is empty"};
  }
  StrictJson parsed = ParseStrictJson(text, limits::kMaxNesting);
  if (!parsed.value) return {std::nullopt, parsed.error};
  try {
    return {ReadLoadJson(*parsed.value), {}};
  } catch (const FileProblem& problem) {
    return {std::nullopt,
            problem.place.empty() ? problem.problem : problem.place + ": " + problem.problem};
  }
}

ReadLoad ReadLoadFile(const std::string& path) {
  const InputFileBytes file = ReadInputFile(path, limits::kMaxLoadFileBytes);
  ReadLoad read = file.bytes ? ReadLoadText(*file.bytes) : ReadLoad{std::nullopt, file.problem};
  if (!read.load) read.error = QuotedText(path) + ": " + read.error;
  return read;
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
  if (load.jumpRunHeading) {
    const auto magnetic = MagneticHeadingOf(load);
    root["jumpRunHeading"] = load.headingReference == HeadingReference::Magnetic && magnetic
                                 ? Number(*magnetic)
                                 : Json(*load.jumpRunHeading);
  }
  if (load.headingReference == HeadingReference::Magnetic) root["headingReference"] = "magnetic";
  if (load.magneticVariation) root["magneticVariation"] = *load.magneticVariation;
  if (load.dropZone) {
    const DropZone& zone = *load.dropZone;
    Json object = Json::object();
    if (!zone.name.empty()) object["name"] = zone.name;
    if (zone.latitude) object["latitude"] = *zone.latitude;
    if (zone.longitude) object["longitude"] = *zone.longitude;
    if (zone.elevation) object["elevation"] = Number(FromFeet(*zone.elevation, u.altitude));
    root["dropZone"] = object;
  }
  if (HasWindLevels(load)) {
    Json levels = Json::array();
    for (const WindLevel& level : load.windLevels) {
      Json object = {{"altitude", Number(FromFeet(level.altitude, u.altitude))}};
      WriteLayerWind(level.wind, u, object);
      levels.push_back(object);
    }
    root["windLevels"] = levels;
  }
  if (load.windSource) {
    Json object = Json::object();
    for (const auto& [name, member] : SourceFields()) {
      if (!((*load.windSource).*member).empty()) object[name] = (*load.windSource).*member;
    }
    root["windSource"] = object;
  }
  Json winds = Json::array();
  for (const WindLayer& layer : load.winds) {
    Json object = Json::object();
    if (layer.above) object["above"] = Number(FromFeet(*layer.above, u.altitude));
    WriteLayerWind(layer.wind, u, object);
    winds.push_back(object);
  }
  if (!HasWindLevels(load)) root["winds"] = winds;
  root["targetSeparation"] = Number(FromFeet(load.targetSeparation, u.distance));
  root["minimumDelay"] = load.minimumDelay;
  const auto canopyJson = [&u](const Canopy& canopy) {
    return Json{{"airspeed", Number(FromKnots(canopy.airspeed, u.speed))},
                {"sinkRate", Number(FromFeet(canopy.sinkRate, u.altitude))}};
  };
  root["jumpRun"] = {{"offset", Number(FromFeet(load.jumpRunOffset, u.distance))}};
  root["canopy"] = canopyJson(load.canopy);
  root["patternAltitude"] = Number(FromFeet(load.patternAltitude, u.altitude));
  root["reachFactor"] = load.reachFactor;
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
    if (group.canopy) object["canopy"] = canopyJson(*group.canopy);
    groups.push_back(object);
  }
  root["groups"] = groups;
  return root.dump(2) + "\n";
}

}  // namespace tarnwick::load
