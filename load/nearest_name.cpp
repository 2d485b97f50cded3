#include "load/nearest_name.h"

#include <algorithm>
#include <cstddef>

namespace tarnwick::load {
namespace {

char Folded(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      const std::size_t substitution = diagonal + (Folded(a[i - 1]) == Folded(b[j - 1]) ? 0 : 1);
      row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string_view> NearestName(std::string_view word,
                                            const std::vector<std::string_view>& known) {
  std::optional<std::string_view> nearest;
  std::size_t best = 0;
  for (const std::string_view name : known) {
    // A word far longer than the name is no slip of it; this also bounds the work.
    if (word.size() > 2 * name.size() + 2) continue;
    const std::size_t distance = EditDistance(word, name);
    if (distance > std::max<std::size_t>(2, name.size() / 3)) continue;
    if (!nearest || distance < best) {
      nearest = name;
      best = distance;
    }
  }
  return nearest;
}

}  // namespace tarnwick::load
