#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Times of forecasts: seconds since 1970-01-01T00:00Z, read and written in ISO 8601 without
// the C library's locale or time zone.
namespace tarnwick::winds {

using UtcSeconds = std::int64_t;

// The time of a date and hour, or nothing when there is no such date (1900 to 9999).
std::optional<UtcSeconds> TimeOf(int year, int month, int day, int hour, int minute, int second);

// "2026-06-13T15:00Z", with ":SS" only when the seconds are not 0.
std::string UtcText(UtcSeconds time);

// The month numbered 1 to 12 of "Jan" to "Dec" in any case.
std::optional<int> MonthNamed(std::string_view name);

struct TimeReading {
  std::optional<UtcSeconds> time;
  std::string error;  // one line, when there is no time
};

// The one reader of --forecast-time: "YYYY-MM-DDTHH:MM" with optional ":SS", in UTC ("Z").
TimeReading ParseForecastTime(std::string_view text);

// A time as the forecast API writes it, "YYYY-MM-DDTHH:MM" in the response's own time zone,
// as that many seconds from 1970-01-01T00:00 of the same zone.
std::optional<UtcSeconds> ParseZonelessTime(std::string_view text);

// Which of `times` to take: the first when no time is asked; otherwise the one nearest the
// asked time (the earlier of two as near), refused when more than an hour away. `valid` says
// which was taken and, when it differs, which was asked; `what` names the times in a refusal
// ("hour of the forecast").
struct TimeChoice {
  std::optional<std::size_t> index;
  std::string valid;
  std::string error;
};
TimeChoice ChooseTime(const std::vector<UtcSeconds>& times, std::optional<UtcSeconds> asked,
                      std::string_view what);

}  // namespace tarnwick::winds
