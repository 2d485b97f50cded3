#include "app/intro_text.h"

namespace tarnwick {
namespace {

// The leading blanks line the continuation lines up under the first word after the heading.
constexpr const char* kIntroLines[] = {
    "",
    " Purpose:  to determine the most likely trajectories of (groups",
    "           of) skydivers with different fall rates,",
    "           given the fall rate, airplane speed, and winds.",
    "",
    " Assumes: ICAO standard atmosphere.",
    "          Diver maintains constant attitude with respect to relative wind.",
    "          Exit altitude 14000' msl",
    "          Opening altitude 3000' msl.",
    "          Slow jumper/group takes 65 seconds to reach opening altitude.",
    "          Fast jumper/group takes 50 seconds to reach opening altitude.",
    "",
    " Allows:  different wind speeds at exit and opening altitudes.",
    "          selection of altitude of wind speed change.",
    "          selection of airplane indicated airspeed.",
    "          selection of exit order and exit delay.",
    "",
    " All distances in feet, times in seconds, speeds in knots",
    " and altitudes in feet msl. ",
};

}  // namespace

void ShowIntroText(Canvas& canvas) {
  for (const char* line : kIntroLines) canvas.Print(line);
}

std::span<const char* const> IntroLines() {
  return kIntroLines;
}

}  // namespace tarnwick
