#include "winds/utc_time.h"

#include <array>
#include <cstdlib>

#include "output/printable_text.h"
#include "winds/text_lines.h"
#include "winds/winds_limits.h"

namespace tarnwick::winds {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::array<std::string_view, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, counted in eras of 400
// years, which repeat exactly.
std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct Civil {
  std::int64_t year;
  int month, day;
};

Civil CivilFromDays(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t shifted = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * shifted + 2) / 5 + 1);
  const int month = static_cast<int>(shifted < 10 ? shifted + 3 : shifted - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

void AppendDigits(std::string& text, std::int64_t value, int width) {
  std::string digits = std::to_string(value);
  if (digits.size() < static_cast<std::size_t>(width)) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  text += digits;
}

// A fixed-width field of digits at `at` of `text`, or nothing.
std::optional<int> DigitsAt(std::string_view text, std::size_t at, std::size_t width) {
  if (at + width > text.size()) return std::nullopt;
  const std::string_view field = text.substr(at, width);
  if (!AllDigits(field)) return std::nullopt;
  return static_cast<int>(*WholeNumber(field));
}

// "YYYY-MM-DDTHH:MM" with optional ":SS", and the rest of the text after it.
std::optional<UtcSeconds> ReadDateTime(std::string_view text, std::string_view& rest) {
  const auto year = DigitsAt(text, 0, 4), month = DigitsAt(text, 5, 2), day = DigitsAt(text, 8, 2),
             hour = DigitsAt(text, 11, 2), minute = DigitsAt(text, 14, 2);
  if (!year || !month || !day || !hour || !minute || text[4] != '-' || text[7] != '-' ||
      text[10] != 'T' || text[13] != ':') {
    return std::nullopt;
  }
  std::size_t end = 16;
  int second = 0;
  if (text.size() > end && text[end] == ':') {
    const auto seconds = DigitsAt(text, end + 1, 2);
    if (!seconds) return std::nullopt;
    second = *seconds;
    end += 3;
  }
  rest = text.substr(end);
  return TimeOf(*year, *month, *day, *hour, *minute, second);
}

}  // namespace

std::optional<UtcSeconds> TimeOf(int year, int month, int day, int hour, int minute, int second) {
  if (year < 1900 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month) || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 59) {
    return std::nullopt;
  }
  return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

std::string UtcText(UtcSeconds time) {
  std::int64_t days = time / kSecondsPerDay;
  std::int64_t second = time % kSecondsPerDay;
  if (second < 0) {
    second += kSecondsPerDay;
    --days;
  }
  const Civil date = CivilFromDays(days);
  std::string text;
  AppendDigits(text, date.year, 4);
  text += '-';
  AppendDigits(text, date.month, 2);
  text += '-';
  AppendDigits(text, date.day, 2);
  text += 'T';
  AppendDigits(text, second / 3600, 2);
  text += ':';
  AppendDigits(text, second / 60 % 60, 2);
  if (second % 60 != 0) {
    text += ':';
    AppendDigits(text, second % 60, 2);
  }
  return text + 'Z';
}

std::optional<int> MonthNamed(std::string_view name) {
  for (std::size_t i = 0; i < kMonthNames.size(); ++i) {
    if (SameIgnoringCase(name, kMonthNames[i])) return static_cast<int>(i + 1);
  }
  return std::nullopt;
}

TimeReading ParseForecastTime(std::string_view text) {
  std::string_view rest;
  const auto time = ReadDateTime(text, rest);
  if (time && rest == "Z") return {time, {}};
  return {std::nullopt, "the forecast time " + QuotedExcerpt(text) +
                            " is not a time in UTC such as 2026-06-13T15:00Z"};
}

std::optional<UtcSeconds> ParseZonelessTime(std::string_view text) {
  std::string_view rest;
  const auto time = ReadDateTime(text, rest);
  if (!time || !rest.empty()) return std::nullopt;
  return time;
}

TimeChoice ChooseTime(const std::vector<UtcSeconds>& times, std::optional<UtcSeconds> asked,
                      std::string_view what) {
  if (times.empty()) return {std::nullopt, {}, std::string("there is no ") + std::string(what)};
  if (!asked) return {0, UtcText(times[0]), {}};
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < times.size(); ++i) {
    const auto distance = std::llabs(times[i] - *asked);
    const auto best = std::llabs(times[nearest] - *asked);
    if (distance < best || (distance == best && times[i] < times[nearest])) nearest = i;
  }
  const UtcSeconds taken = times[nearest];
  if (std::llabs(taken - *asked) > limits::kMaxTimeDistance) {
    return {std::nullopt,
            {},
            "the " + std::string(what) + " nearest " + UtcText(*asked) + " is " + UtcText(taken) +
                ", more than an hour away"};
  }
  std::string valid = UtcText(taken);
  if (taken != *asked) valid += " (nearest the asked " + UtcText(*asked) + ")";
  return {nearest, valid, {}};
}

}  // namespace tarnwick::winds
