#include "winds/load_winds.h"

#include "load/load_limits.h"
#include "output/printable_text.h"

namespace tarnwick::winds {
namespace {

// A source text fit to keep in a load and write to its file: a hostile forecast may state
// anything at any length, so bytes that are not UTF-8 and control characters are kept escaped,
// and the text within the load's limit.
std::string Kept(const std::string& text) {
  const std::string printable = PrintableText(text);
  const auto limit = static_cast<std::size_t>(load::limits::kMaxSourceTextLength);
  return CharacterCount(printable) <= limit ? printable : ShortenedText(printable, limit - 1);
}

}  // namespace

LoadWithLevels WithWindLevels(const load::Load& load, const ImportedWinds& imported) {
  load::Load replaced = load;
  replaced.winds.clear();
  replaced.windLevels.clear();
  for (const WindLevelReading& reading : imported.levels) {
    replaced.windLevels.push_back(
        {reading.altitude, load::DirectedWind{reading.speed, reading.from}});
  }
  const WindSource& source = imported.source;
  replaced.windSource = WindSource{Kept(source.format), Kept(source.station), Kept(source.model),
                                   Kept(source.issued), Kept(source.valid),   Kept(source.note)};
  if (auto problem = load::LoadProblem(replaced)) return {std::nullopt, *problem};
  return {std::move(replaced), {}};
}

}  // namespace tarnwick::winds
