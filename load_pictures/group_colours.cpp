#include "load_pictures/group_colours.h"

#include <array>

namespace tarnwick {
namespace {

// 0x00BBGGRR: blue, orange, green, purple, brown, pink, olive, cyan. No red: red is the
// aircraft's and the jump run's, and a group's track must not be taken for either.
constexpr std::array<Colour, 8> kGroupColours = {0x00B4771Fu, 0x000E7FFFu, 0x002CA02Cu,
                                                 0x00BD6794u, 0x004B568Cu, 0x00C277E3u,
                                                 0x0022BDBCu, 0x00CFBE17u};

}  // namespace

Colour GroupColour(std::size_t index) {
  return kGroupColours[index % kGroupColours.size()];
}

}  // namespace tarnwick
