#include "winds/bulletin.h"

#include <algorithm>
#include <optional>
#include <variant>

#include "load/nearest_name.h"
#include "winds/text_lines.h"
#include "winds/wind_levels.h"

namespace tarnwick::winds {
namespace {

constexpr std::string_view kFormat = "winds aloft bulletin";
constexpr double kHighestSignedTemperatureLevel = 24000;  // ft; above it temperatures are unsigned
constexpr double kLowestPressureAltitude = 18000;         // ft; levels from here up
constexpr std::size_t kStationsNamedInRefusal = 5;
constexpr std::size_t kLongestStationId = 4;

// A level name of the FT line and the columns it covers, [first, end).
struct LevelColumn {
  double feet = 0;
  std::size_t first = 0, end = 0;
};

struct Table {
  std::vector<LevelColumn> levels;
  std::string issued, valid;  // from the header lines above the FT line
  std::string problem;        // why the FT line cannot be read
};

struct StationLine {
  std::string id;  // upper case
  std::vector<Word> groups;
  std::size_t table = 0;
};

struct Bulletin {
  std::vector<Table> tables;
  std::vector<StationLine> stations;
};

bool IsStationId(std::string_view word) {
  if (word.size() < 3 || word.size() > kLongestStationId) return false;
  bool letter = false;
  for (char c : word) {
    const bool upper = c >= 'A' && c <= 'Z', lower = c >= 'a' && c <= 'z';
    if (!upper && !lower && !(c >= '0' && c <= '9')) return false;
    letter = letter || upper || lower;
  }
  return letter;
}

bool IsGroupText(std::string_view word) {
  return std::all_of(word.begin(), word.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '+' || c == '-'; });
}

// "131200Z": a day, hour and minute in UTC.
bool IsDayTime(std::string_view word) {
  return word.size() == 7 && AllDigits(word.substr(0, 6)) && (word[6] == 'Z' || word[6] == 'z');
}

// "1400-2100Z", with or without a full stop after it.
bool IsUsePeriod(std::string_view word) {
  if (!word.empty() && word.back() == '.') word.remove_suffix(1);
  return word.size() == 10 && AllDigits(word.substr(0, 4)) && word[4] == '-' &&
         AllDigits(word.substr(5, 4)) && (word[9] == 'Z' || word[9] == 'z');
}

// The header lines "DATA BASED ON 131200Z" and "VALID 131800Z FOR USE 1400-2100Z ...", built
// again from their checked words so that nothing else of the line is carried along.
void ReadHeader(const std::vector<Word>& w, std::string& issued, std::string& valid) {
  if (w.size() >= 4 && SameIgnoringCase(w[0].text, "DATA") &&
      SameIgnoringCase(w[1].text, "BASED") && SameIgnoringCase(w[2].text, "ON") &&
      IsDayTime(w[3].text)) {
    issued = "DATA BASED ON " + UpperCase(w[3].text);
  } else if (w.size() >= 2 && SameIgnoringCase(w[0].text, "VALID") && IsDayTime(w[1].text)) {
    valid = "VALID " + UpperCase(w[1].text);
    if (w.size() >= 5 && SameIgnoringCase(w[2].text, "FOR") && SameIgnoringCase(w[3].text, "USE") &&
        IsUsePeriod(w[4].text)) {
      valid += " FOR USE " + UpperCase(w[4].text.substr(0, 10));
    }
  }
}

Table ReadLevelNames(const std::vector<Word>& words, const std::string& issued,
                     const std::string& valid) {
  Table table{{}, issued, valid, {}};
  for (std::size_t i = 1; i < words.size(); ++i) {
    const auto feet = WholeNumber(words[i].text);
    if (!feet || (!table.levels.empty() && *feet <= table.levels.back().feet)) {
      table.problem = "the bulletin's FT line does not name rising levels in feet at " +
                      QuotedExcerpt(words[i].text);
      break;
    }
    table.levels.push_back(
        {static_cast<double>(*feet), words[i].column, words[i].column + words[i].text.size()});
  }
  return table;
}

Bulletin ScanBulletin(std::string_view text) {
  Bulletin bulletin;
  std::string issued, valid;
  for (std::string_view line : Lines(text)) {
    const std::vector<Word> words = Words(line);
    if (words.empty()) continue;
    if (IsLevelNamesLine(line)) {
      bulletin.tables.push_back(ReadLevelNames(words, issued, valid));
    } else if (!bulletin.tables.empty() && words[0].column == 0 && IsStationId(words[0].text) &&
               std::all_of(words.begin() + 1, words.end(),
                           [](const Word& w) { return IsGroupText(w.text); })) {
      bulletin.stations.push_back(
          {UpperCase(words[0].text), {words.begin() + 1, words.end()}, bulletin.tables.size() - 1});
    } else {
      ReadHeader(words, issued, valid);
    }
  }
  return bulletin;
}

std::vector<std::string> StationIds(const Bulletin& bulletin) {
  std::vector<std::string> ids;
  for (const StationLine& line : bulletin.stations) ids.push_back(line.id);
  std::sort(ids.begin(), ids.end());
  ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
  return ids;
}

// The one level whose name's columns a group overlaps, or nothing when it overlaps none or
// more than one. The names stand left to right, so the levels a group overlaps are neighbours.
const LevelColumn* LevelUnder(const std::vector<LevelColumn>& levels, const Word& group) {
  const std::size_t end = group.column + group.text.size();
  const auto overlaps = [&](auto it) {
    return it != levels.end() && it->first < end && group.column < it->end;
  };
  const auto first = std::partition_point(
      levels.begin(), levels.end(), [&](const LevelColumn& l) { return l.end <= group.column; });
  if (!overlaps(first) || overlaps(first + 1)) return nullptr;
  return &*first;
}

// The two digits at `at` of a group.
int TwoDigits(std::string_view group, std::size_t at) {
  return (group[at] - '0') * 10 + (group[at + 1] - '0');
}

// A group "DDss", "DDss+tt"/"DDss-tt" or, above 24000 ft, "DDsstt" (tt below zero); "9900" is
// light and variable; a direction code from 51 to 86 carries 100 kt more.
std::optional<WindLevelReading> DecodeGroup(std::string_view group, double feet) {
  const bool signedTemperature =
      group.size() == 7 && (group[4] == '+' || group[4] == '-') && AllDigits(group.substr(5));
  const bool unsignedTemperature =
      group.size() == 6 && feet > kHighestSignedTemperatureLevel && AllDigits(group.substr(4));
  if (group.size() < 4 || !AllDigits(group.substr(0, 4)) ||
      !(group.size() == 4 || signedTemperature || unsignedTemperature)) {
    return std::nullopt;
  }
  WindLevelReading level;
  level.altitude = feet;
  if (signedTemperature) level.temperature = (group[4] == '-' ? -1 : 1) * TwoDigits(group, 5);
  if (unsignedTemperature) level.temperature = -TwoDigits(group, 4);
  int direction = TwoDigits(group, 0);
  int speed = TwoDigits(group, 2);
  if (direction == 99 && speed == 0) return level;  // light and variable: calm
  if (direction >= 51 && direction <= 86) {
    direction -= 50;
    speed += 100;  // a speed code of 99 is 199 kt or more: 199 is taken
  } else if (direction > 36) {
    return std::nullopt;
  }
  level.from = direction * 10;
  level.speed = speed;
  return level;
}

std::string StationList(const std::vector<std::string>& stations) {
  std::string list;
  for (std::size_t i = 0; i < stations.size() && i < kStationsNamedInRefusal; ++i) {
    list += (i == 0 ? "" : ", ") + stations[i];
  }
  return stations.size() > kStationsNamedInRefusal ? list + ", ..." : list;
}

std::string UnknownStation(const std::string& asked, const std::vector<std::string>& stations) {
  std::string error = "the bulletin holds no station " + QuotedExcerpt(asked);
  if (asked.size() > kLongestStationId) return error;
  const std::vector<std::string_view> known(stations.begin(), stations.end());
  if (const auto nearest = load::NearestName(asked, known)) {
    error += " (the nearest is " + std::string(*nearest) + ")";
  }
  return error;
}

// The station line to read, or why there is none.
std::variant<const StationLine*, std::string> ChooseStation(const Bulletin& bulletin,
                                                            const ImportOptions& options,
                                                            const std::vector<std::string>& ids) {
  if (ids.empty()) return std::string("the bulletin holds no station lines under its FT line");
  std::string wanted;
  if (options.station) {
    wanted = UpperCase(*options.station);
  } else if (ids.size() == 1) {
    wanted = ids.front();
  } else {
    return "the bulletin holds " + std::to_string(ids.size()) + " stations (" + StationList(ids) +
           "): give one with --station";
  }
  std::vector<const StationLine*> lines;
  for (const StationLine& line : bulletin.stations) {
    if (line.id == wanted) lines.push_back(&line);
  }
  if (lines.empty()) return UnknownStation(wanted, ids);
  if (lines.size() > 1) {
    std::string periods;
    for (const StationLine* line : lines) {
      const std::string& valid = bulletin.tables[line->table].valid;
      periods += (periods.empty() ? "" : "; ") + (valid.empty() ? "no VALID line" : valid);
    }
    return "station " + wanted + " stands in " + std::to_string(lines.size()) +
           " bulletins of the text (" + periods + "): import one bulletin at a time";
  }
  return lines.front();
}

}  // namespace

bool IsLevelNamesLine(std::string_view line) {
  const std::vector<Word> words = Words(line);
  return words.size() >= 2 && SameIgnoringCase(words[0].text, "FT") &&
         std::all_of(words.begin() + 1, words.end(),
                     [](const Word& w) { return AllDigits(w.text); });
}

std::vector<std::string> StationsOfBulletin(std::string_view text) {
  return StationIds(ScanBulletin(text));
}

WindImport ImportBulletin(std::string_view text, const ImportOptions& options) {
  const Bulletin bulletin = ScanBulletin(text);
  const auto chosen = ChooseStation(bulletin, options, StationIds(bulletin));
  if (const auto* error = std::get_if<std::string>(&chosen)) return Refusal(*error);
  const StationLine& station = *std::get<const StationLine*>(chosen);
  const Table& table = bulletin.tables[station.table];
  if (!table.problem.empty()) return Refusal(table.problem);

  std::vector<LevelCandidate> candidates;
  const LevelColumn* previous = nullptr;
  for (const Word& group : station.groups) {
    const std::string where = "station " + station.id + ", group " + QuotedExcerpt(group.text);
    const LevelColumn* level = LevelUnder(table.levels, group);
    if (level == nullptr) return Refusal(where + ": stands under no level, or two, of the FT line");
    const std::string feet = MessageNumber(level->feet) + " ft";
    if (level == previous) return Refusal(where + ": a second group under " + feet);
    previous = level;
    const auto reading = DecodeGroup(group.text, level->feet);
    if (!reading) {
      return Refusal(where + " under " + feet +
                     ": not a wind group (DDss, DDss+tt, or DDsstt above " +
                     MessageNumber(kHighestSignedTemperatureLevel) + " ft)");
    }
    candidates.push_back({*reading, "station " + station.id + ", " + feet});
  }

  WindSource source{std::string(kFormat), station.id, {}, table.issued, table.valid, {}};
  WindImport imported = FinishLevels(candidates, std::move(source), options, std::nullopt);
  if (imported.winds && imported.winds->levels.front().altitude >= kLowestPressureAltitude) {
    imported.winds->source.note = "levels from " + MessageNumber(kLowestPressureAltitude) +
                                  " ft up are pressure altitudes, taken as altitudes msl";
  }
  return imported;
}

}  // namespace tarnwick::winds
