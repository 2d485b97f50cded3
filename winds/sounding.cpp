#include "winds/sounding.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "load/units.h"
#include "output/printable_text.h"
#include "winds/text_lines.h"
#include "winds/wind_levels.h"

namespace tarnwick::winds {
namespace {

constexpr std::string_view kFormat = "sounding";
constexpr std::string_view kOldFormatType = "254";  // the older files' header, which names no type
constexpr std::array<long long, 2> kMissing = {32767, 99999};
constexpr std::size_t kTitleBytes = 120;
constexpr std::size_t kLevelFields = 7;  // type, pressure, height, temperature, dew point, wind

enum LineType { kStation = 1, kChecks = 2, kIdentifiers = 3, kMandatory = 4, kSurface = 9 };

struct Sounding {
  std::string type;
  UtcSeconds time = 0;
  std::string title;        // a model sounding's title line, as a note
  std::string station;      // the type 3 line's station id or position
  bool identified = false;  // its type 3 line has been read
  std::optional<load::SpeedUnit> unit;
  std::optional<double> surface;  // ft msl, the type 9 line's height
  std::vector<LevelCandidate> levels;
};

bool IsMissing(long long value) {
  return value == kMissing[0] || value == kMissing[1];
}

bool IsPrintableWord(std::string_view word) {
  for (char c : word) {
    if (c <= ' ' || c > '~') return false;
  }
  return !word.empty();
}

// The type 3 line: "3  STAID  ...  kt" or "... ms" (tenths of a metre per second).
void ReadIdentifiers(const std::vector<Word>& words, Sounding& sounding) {
  sounding.identified = true;
  const std::string_view unit = words.back().text;
  if (SameIgnoringCase(unit, "kt")) sounding.unit = load::SpeedUnit::Knots;
  if (SameIgnoringCase(unit, "ms")) sounding.unit = load::SpeedUnit::MetresPerSecond;
  if (words.size() >= 3 && IsPrintableWord(words[1].text) && words[1].text.size() <= 32) {
    std::string station(words[1].text);
    const std::size_t comma = station.find(',');  // a model's grid position "39.57,-104.85"
    if (comma != std::string::npos) station.insert(comma + 1, " ");
    sounding.station = station;
  }
}

// A level line: type, pressure, height (m msl), temperature and dew point (tenths of a degree
// Celsius), wind direction and speed; a balloon's lines carry more fields after these.
std::optional<std::string> ReadLevel(const std::vector<Word>& words, long long type,
                                     const std::string& where, Sounding& sounding) {
  if (words.size() < kLevelFields) return where + ": a level line needs 7 fields";
  std::array<long long, kLevelFields> field{};
  for (std::size_t i = 0; i < kLevelFields; ++i) {
    const auto value = WholeNumber(words[i].text);
    if (!value) return where + ": " + QuotedExcerpt(words[i].text) + " is not a whole number";
    field[i] = *value;
  }
  if (!sounding.unit) {
    return where + ": the sounding's type 3 line names no wind speed unit (kt or ms) before it";
  }
  const long long height = field[2], temperature = field[3], direction = field[5], speed = field[6];
  if (IsMissing(height)) return std::nullopt;
  const double feet = load::ToFeet(static_cast<double>(height), load::LengthUnit::Metres);
  if (type == kSurface && !sounding.surface) sounding.surface = feet;
  if (IsMissing(direction) || IsMissing(speed)) return std::nullopt;
  WindLevelReading level;
  level.altitude = feet;
  level.from = static_cast<double>(direction);
  const double tenths = *sounding.unit == load::SpeedUnit::MetresPerSecond ? 10 : 1;
  level.speed = load::ToKnots(static_cast<double>(speed) / tenths, *sounding.unit);
  if (!IsMissing(temperature)) level.temperature = static_cast<double>(temperature) / 10;
  sounding.levels.push_back({level, where});
  return std::nullopt;
}

// Every sounding of the text, or why the text cannot be read.
std::variant<std::vector<Sounding>, std::string> ReadSoundings(std::string_view text) {
  std::vector<Sounding> soundings;
  std::string title;  // the last line of free text, a model sounding's title
  std::size_t number = 0;
  for (std::string_view line : Lines(text)) {
    ++number;
    const std::vector<Word> words = Words(line);
    if (words.empty()) continue;
    const std::string where = "line " + std::to_string(number);
    if (IsSoundingHeader(line)) {
      const auto time =
          TimeOf(static_cast<int>(*WholeNumber(words[4].text)), *MonthNamed(words[3].text),
                 static_cast<int>(*WholeNumber(words[2].text)),
                 static_cast<int>(*WholeNumber(words[1].text)), 0, 0);
      if (!time) return where + ": the sounding's hour, day, month and year are not a time";
      Sounding sounding;
      sounding.type = words[0].text == kOldFormatType ? "" : std::string(words[0].text);
      sounding.time = *time;
      sounding.title = std::move(title);
      title.clear();
      soundings.push_back(std::move(sounding));
      continue;
    }
    const auto type = WholeNumber(words[0].text);
    if (!type) {
      if (!SameIgnoringCase(words[0].text, "CAPE")) title = line;
      continue;
    }
    if (soundings.empty()) return where + ": a sounding line before the sounding's header line";
    Sounding& sounding = soundings.back();
    if (*type == kIdentifiers) {
      if (sounding.identified) return where + ": a second type 3 line in one sounding";
      ReadIdentifiers(words, sounding);
    } else if (*type >= kMandatory && *type <= kSurface) {
      if (auto problem = ReadLevel(words, *type, where, sounding)) return *problem;
    } else if (*type != kStation && *type != kChecks) {
      return where + ": no sounding line has the type " + QuotedExcerpt(words[0].text);
    }
  }
  return soundings;
}

std::string Note(const Sounding& sounding, std::size_t index, std::size_t count, bool asked) {
  std::string note;
  if (!sounding.title.empty()) {
    note = PrintableText(std::string_view(sounding.title).substr(0, kTitleBytes));
  }
  if (count > 1) {
    if (!note.empty()) note += "; ";
    note += "sounding " + std::to_string(index + 1) + " of " + std::to_string(count) +
            " in the text" + (asked ? "" : ", the first: --forecast-time chooses another");
  }
  return note;
}

}  // namespace

bool IsSoundingHeader(std::string_view line) {
  const std::vector<Word> words = Words(line);
  if (words.size() < 5 || !IsPrintableWord(words[0].text) || words[0].text.size() > 16) {
    return false;
  }
  const auto isTwoDigits = [](std::string_view word) {
    return !word.empty() && word.size() <= 2 && AllDigits(word);
  };
  return isTwoDigits(words[1].text) && isTwoDigits(words[2].text) && MonthNamed(words[3].text) &&
         words[4].text.size() == 4 && AllDigits(words[4].text);
}

WindImport ImportSounding(std::string_view text, const ImportOptions& options,
                          std::optional<UtcSeconds> asked) {
  auto read = ReadSoundings(text);
  if (const auto* error = std::get_if<std::string>(&read)) return Refusal(*error);
  const auto& soundings = std::get<std::vector<Sounding>>(read);
  std::vector<UtcSeconds> times;
  for (const Sounding& sounding : soundings) times.push_back(sounding.time);
  const TimeChoice choice = ChooseTime(times, asked, "sounding");
  if (!choice.index) return Refusal(choice.error);
  const Sounding& sounding = soundings[*choice.index];
  WindSource source{
      std::string(kFormat), sounding.station,
      sounding.type,        {},
      choice.valid,         Note(sounding, *choice.index, soundings.size(), asked.has_value())};
  return FinishLevels(sounding.levels, std::move(source), options, sounding.surface);
}

}  // namespace tarnwick::winds
