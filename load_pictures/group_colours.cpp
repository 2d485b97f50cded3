#include "load_pictures/group_colours.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace tarnwick {
namespace {

// 0x00BBGGRR: blue, orange, green, purple, brown, pink, olive, cyan. No red: red is the
// aircraft's and the jump run's, and a group's track must not be taken for either.
constexpr std::array<Colour, 8> kGroupColours = {0x00B4771Fu, 0x000E7FFFu, 0x002CA02Cu,
                                                 0x00BD6794u, 0x004B568Cu, 0x00C277E3u,
                                                 0x0022BDBCu, 0x00CFBE17u};

// FNV-1a: the same on every platform and in every run, unlike std::hash.
std::uint32_t NameHash(const std::string& name) {
  std::uint32_t hash = 2166136261u;
  for (const char c : name) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

std::vector<Colour> GroupColours(const std::vector<std::string>& names) {
  std::vector<std::size_t> byName(names.size());
  std::iota(byName.begin(), byName.end(), std::size_t{0});
  std::stable_sort(byName.begin(), byName.end(),
                   [&names](std::size_t a, std::size_t b) { return names[a] < names[b]; });
  std::array<std::size_t, kGroupColours.size()> uses{};
  std::vector<Colour> colours(names.size());
  for (const std::size_t group : byName) {
    // The name's own colour if no colour is used less, else the next one that is least used.
    const std::size_t least = *std::min_element(uses.begin(), uses.end());
    std::size_t pick = NameHash(names[group]) % kGroupColours.size();
    while (uses[pick] != least) pick = (pick + 1) % kGroupColours.size();
    ++uses[pick];
    colours[group] = kGroupColours[pick];
  }
  return colours;
}

}  // namespace tarnwick
