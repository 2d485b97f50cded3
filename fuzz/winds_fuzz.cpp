// Any text either imports as levels a load can fly or is refused with one line; nothing
// crashes. The first byte picks the options, so that stations, times and a drop zone are tried.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "winds/forecast_query.h"
#include "winds/utc_time.h"
#include "winds/wind_import.h"
#include "winds/winds_limits.h"

namespace {

using namespace tarnwick::winds;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckImport(std::string_view text, const ImportOptions& options) {
  const WindImport imported = ImportWinds(text, options);
  if (!imported.winds) {
    Check(!imported.error.empty() && imported.error.find('\n') == std::string::npos);
    return;
  }
  const auto& levels = imported.winds->levels;
  Check(!levels.empty());
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const WindLevelReading& level = levels[i];
    Check(level.altitude >= options.dropZoneElevation.value_or(0) &&
          level.altitude <= limits::kMaxLevelAltitude);
    Check(level.speed >= 0 && level.speed <= limits::kMaxLevelSpeed);
    Check(level.from >= 0 && level.from <= 360 && (level.speed > 0 || level.from == 0));
    Check(i == 0 || levels[i - 1].altitude > level.altitude);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  ImportOptions options;
  if (choice & 1)
    options.station = std::string(text.substr(0, std::min<std::size_t>(text.find('\n'), 8)));
  if (choice & 2) options.forecastTime = "2026-06-13T15:20Z";
  if (choice & 4) options.dropZoneElevation = 5500;
  CheckImport(text, options);

  const auto stations = BulletinStations(text);
  Check(std::is_sorted(stations.begin(), stations.end()) &&
        std::adjacent_find(stations.begin(), stations.end()) == stations.end());

  // A time that reads is written back as the same time.
  const TimeReading reading = ParseForecastTime(text);
  Check(reading.time ? ParseForecastTime(UtcText(*reading.time)).time == reading.time
                     : reading.error.find('\n') == std::string::npos);
  if (reading.time) Check(ForecastQuery(39.57, -104.85, *reading.time).has_value());
  return 0;
}
