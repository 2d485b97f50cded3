#include "winds/wind_import.h"

#include <cmath>

#include "winds/bulletin.h"
#include "winds/forecast_json.h"
#include "winds/sounding.h"
#include "winds/text_lines.h"
#include "winds/utc_time.h"
#include "winds/wind_levels.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

// A sounding's header stands within its first lines: after a title and a CAPE line at most.
constexpr std::size_t kSoundingHeaderLines = 4;

std::string_view FirstLine(const std::vector<std::string_view>& lines) {
  for (std::string_view line : lines) {
    if (!Words(line).empty()) return line;
  }
  return {};
}

}  // namespace

WindFormat DetectWindFormat(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  const std::string_view first = FirstLine(lines);
  if (!first.empty()) {
    const char opening = Words(first).front().text.front();
    if (opening == '{' || opening == '[') return WindFormat::ForecastJson;
  }
  std::size_t seen = 0;
  for (std::string_view line : lines) {
    if (Words(line).empty()) continue;
    if (IsSoundingHeader(line)) return WindFormat::Sounding;
    if (++seen == kSoundingHeaderLines) break;
  }
  for (std::string_view line : lines) {
    if (IsLevelNamesLine(line)) return WindFormat::Bulletin;
  }
  return WindFormat::Unknown;
}

WindImport ImportWinds(std::string_view text, const ImportOptions& options) {
  if (text.size() > limits::kMaxTextBytes) {
    return Refusal("the text holds " + std::to_string(text.size()) + " bytes, more than the " +
                   std::to_string(limits::kMaxTextBytes / (1024 * 1024)) + " MiB a forecast may");
  }
  if (options.dropZoneElevation && !std::isfinite(*options.dropZoneElevation)) {
    return Refusal("the drop zone's elevation is not a number");
  }
  std::optional<UtcSeconds> asked;
  if (options.forecastTime) {
    const TimeReading reading = ParseForecastTime(*options.forecastTime);
    if (!reading.time) return Refusal(reading.error);
    asked = reading.time;
  }
  const WindFormat format = DetectWindFormat(text);
  if (options.station && format != WindFormat::Bulletin) {
    return Refusal("a station is chosen only in a winds aloft bulletin, and the text is not one");
  }
  switch (format) {
    case WindFormat::Bulletin:
      return ImportBulletin(text, options);
    case WindFormat::Sounding:
      return ImportSounding(text, options, asked);
    case WindFormat::ForecastJson:
      return ImportForecastJson(text, options, asked);
    case WindFormat::Unknown:
      break;
  }
  const std::string_view first = FirstLine(Lines(text));
  if (first.empty()) return Refusal("the text is empty");
  return Refusal(
      "the text is neither a winds aloft bulletin, a sounding nor a forecast response: its first "
      "line is " +
      QuotedExcerpt(first));
}

std::vector<std::string> BulletinStations(std::string_view text) {
  if (text.size() > limits::kMaxTextBytes || DetectWindFormat(text) != WindFormat::Bulletin) {
    return {};
  }
  return StationsOfBulletin(text);
}

}  // namespace tarnwick::winds
