#include "winds/forecast_json.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <utility>

#include "load/number_text.h"
#include "load/units.h"
#include "output/printable_text.h"
#include "winds/forecast_query.h"
#include "winds/text_lines.h"
#include "winds/wind_levels.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

using Json = nlohmann::json;

constexpr std::string_view kFormat = "forecast API";
constexpr double kLongestUtcOffset = 86400;  // s

// The API's names of its wind speed units.
constexpr std::array<std::pair<std::string_view, load::SpeedUnit>, 4> kSpeedUnits = {{
    {"kn", load::SpeedUnit::Knots},
    {"km/h", load::SpeedUnit::KilometresPerHour},
    {"m/s", load::SpeedUnit::MetresPerSecond},
    {"mp/h", load::SpeedUnit::MilesPerHour},
}};

struct ResponseProblem {
  std::string message;
};

[[noreturn]] void Fail(std::string message) {
  throw ResponseProblem{std::move(message)};
}

// How deeply the text's arrays and objects nest, counted before parsing so that a hostile
// text never builds a deep tree.
int NestingDepth(std::string_view text) {
  int depth = 0, deepest = 0;
  bool inString = false, escaped = false;
  for (char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      deepest = std::max(deepest, ++depth);
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return deepest;
}

const Json* Member(const Json& object, std::string_view name) {
  const auto it = object.find(name);
  return it == object.end() ? nullptr : &*it;
}

const Json& ObjectMember(const Json& object, std::string_view name) {
  const Json* member = Member(object, name);
  if (member == nullptr || !member->is_object()) {
    Fail("the forecast response has no \"" + std::string(name) + "\" object");
  }
  return *member;
}

std::optional<double> OptionalNumber(const Json& object, std::string_view name) {
  const Json* member = Member(object, name);
  if (member == nullptr) return std::nullopt;
  if (!member->is_number() || !std::isfinite(member->get<double>())) {
    Fail(std::string(name) + " is not a number");
  }
  return member->get<double>();
}

// The seconds to take from the response's times for UTC.
double UtcOffset(const Json& root) {
  if (const auto offset = OptionalNumber(root, "utc_offset_seconds")) {
    if (!(std::abs(*offset) <= kLongestUtcOffset && std::floor(*offset) == *offset)) {
      Fail("utc_offset_seconds is not a whole number of seconds within a day");
    }
    return *offset;
  }
  const Json* zone = Member(root, "timezone");
  if (zone != nullptr && !(zone->is_string() && (zone->get<std::string>() == "GMT" ||
                                                 zone->get<std::string>() == "UTC"))) {
    Fail("the forecast response's times are not in UTC and it gives no utc_offset_seconds");
  }
  return 0;
}

std::vector<UtcSeconds> Hours(const Json& hourly, double offset) {
  const Json* times = Member(hourly, "time");
  if (times == nullptr || !times->is_array()) Fail("the forecast response has no hourly.time list");
  std::vector<UtcSeconds> hours;
  for (const Json& time : *times) {
    const auto local = time.is_string() ? ParseZonelessTime(time.get<std::string>()) : std::nullopt;
    if (!local) {
      Fail("hourly.time[" + std::to_string(hours.size()) +
           "] is not a time such as 2026-06-13T15:00");
    }
    hours.push_back(*local - static_cast<UtcSeconds>(offset));
  }
  return hours;
}

// The pressure level of an hourly field "wind_speed_850hPa", or nothing for another field.
std::optional<int> SpeedFieldLevel(std::string_view key) {
  const std::string prefix = std::string(kWindSpeedField) + "_";
  constexpr std::string_view kSuffix = "hPa";
  if (key.size() <= prefix.size() + kSuffix.size() || key.substr(0, prefix.size()) != prefix ||
      key.substr(key.size() - kSuffix.size()) != kSuffix) {
    return std::nullopt;
  }
  const std::string_view digits =
      key.substr(prefix.size(), key.size() - prefix.size() - kSuffix.size());
  if (digits.size() > 4 || !AllDigits(digits)) return std::nullopt;
  return static_cast<int>(*WholeNumber(digits));
}

std::string UnitOf(const Json& units, const std::string& field) {
  const Json* unit = Member(units, field);
  if (unit == nullptr || !unit->is_string()) Fail("hourly_units." + field + " is missing");
  return unit->get<std::string>();
}

// One hour's value of an hourly field; nothing where the API has none (null).
std::optional<double> ValueAt(const Json& hourly, const std::string& field, std::size_t hour,
                              std::size_t hours) {
  const Json* values = Member(hourly, field);
  if (values == nullptr || !values->is_array()) Fail("hourly." + field + " is missing");
  if (values->size() != hours) {
    Fail("hourly." + field + " has " + std::to_string(values->size()) + " values for " +
         std::to_string(hours) + " hours");
  }
  const Json& value = (*values)[hour];
  if (value.is_null()) return std::nullopt;
  if (!value.is_number() || !std::isfinite(value.get<double>())) {
    Fail("hourly." + field + "[" + std::to_string(hour) + "] is not a number");
  }
  return value.get<double>();
}

// A pressure level's reading at an hour, or nothing when the API gives none there.
std::optional<WindLevelReading> ReadLevel(const Json& hourly, const Json& units, int hectopascals,
                                          std::size_t hour, std::size_t hours) {
  const std::string speedField = LevelField(kWindSpeedField, hectopascals);
  const std::string speedUnit = UnitOf(units, speedField);
  const auto unit = std::find_if(kSpeedUnits.begin(), kSpeedUnits.end(),
                                 [&](const auto& named) { return named.first == speedUnit; });
  if (unit == kSpeedUnits.end()) {
    Fail("hourly_units." + speedField + ": " + QuotedExcerpt(speedUnit) +
         " is not kn, km/h, m/s or mp/h");
  }
  const std::string heightField = LevelField(kHeightField, hectopascals);
  if (UnitOf(units, heightField) != "m") Fail("hourly_units." + heightField + " is not \"m\"");

  const auto speed = ValueAt(hourly, speedField, hour, hours);
  const auto from = ValueAt(hourly, LevelField(kWindDirectionField, hectopascals), hour, hours);
  const auto height = ValueAt(hourly, heightField, hour, hours);
  if (!speed || !from || !height) return std::nullopt;
  WindLevelReading level;
  level.altitude = load::ToFeet(*height, load::LengthUnit::Metres);
  level.speed = load::ToKnots(*speed, unit->second);
  level.from = *from;
  const std::string temperatureField = LevelField(kTemperatureField, hectopascals);
  if (Member(hourly, temperatureField) != nullptr && UnitOf(units, temperatureField) == "\u00b0C") {
    level.temperature = ValueAt(hourly, temperatureField, hour, hours);
  }
  return level;
}

WindImport ReadResponse(const Json& root, const ImportOptions& options,
                        std::optional<UtcSeconds> asked) {
  if (!root.is_object()) Fail("the forecast response is not a JSON object");
  const Json& hourly = ObjectMember(root, "hourly");
  const Json& units = ObjectMember(root, "hourly_units");
  const std::vector<UtcSeconds> hours = Hours(hourly, UtcOffset(root));
  const TimeChoice choice = ChooseTime(hours, asked, "hour of the forecast");
  if (!choice.index) Fail(choice.error);

  std::vector<LevelCandidate> candidates;
  bool anyLevel = false;
  for (const auto& [key, value] : hourly.items()) {
    const auto hectopascals = SpeedFieldLevel(key);
    if (!hectopascals) continue;
    anyLevel = true;
    if (auto level = ReadLevel(hourly, units, *hectopascals, *choice.index, hours.size())) {
      candidates.push_back({*level, "the " + std::to_string(*hectopascals) + " hPa level"});
    }
  }
  if (!anyLevel) {
    Fail("the forecast response has no pressure levels' winds (hourly." +
         LevelField(kWindSpeedField, 850) + " and so on)");
  }
  WindSource source{std::string(kFormat), {}, {}, {}, choice.valid, {}};
  const auto latitude = OptionalNumber(root, "latitude");
  const auto longitude = OptionalNumber(root, "longitude");
  if (latitude && longitude) {
    source.station = load::NumberText(*latitude) + ", " + load::NumberText(*longitude);
  }
  std::optional<double> surface;
  if (const auto elevation = OptionalNumber(root, "elevation")) {
    surface = load::ToFeet(*elevation, load::LengthUnit::Metres);
  }
  WindImport imported = FinishLevels(candidates, std::move(source), options, surface);
  if (imported.winds && latitude && longitude) {
    imported.winds->position = GeoPosition{*latitude, *longitude};
  }
  return imported;
}

}  // namespace

WindImport ImportForecastJson(std::string_view text, const ImportOptions& options,
                              std::optional<UtcSeconds> asked) {
  if (NestingDepth(text) > limits::kMaxJsonDepth) {
    return Refusal("the forecast response nests deeper than " +
                   std::to_string(limits::kMaxJsonDepth) + " levels");
  }
  Json root;
  try {
    root = Json::parse(text.begin(), text.end());
  } catch (const Json::exception& error) {  // a syntax error, or a number beyond a double's range
    return Refusal("the forecast response is not JSON: " + PrintableText(error.what()));
  }
  try {
    return ReadResponse(root, options, asked);
  } catch (const ResponseProblem& problem) {
    return Refusal(problem.message);
  }
}

}  // namespace tarnwick::winds
