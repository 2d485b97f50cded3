#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tarnwick::load {

// The name among `known` that `word` most likely misspells: the nearest by edit distance
// (insertions, deletions and substitutions, letter case ignored) when that is small enough for
// a slip (at most a third of the name's length, or 2), else nothing. Of equally near names the
// first wins.
std::optional<std::string_view> NearestName(std::string_view word,
                                            const std::vector<std::string_view>& known);

}  // namespace tarnwick::load
