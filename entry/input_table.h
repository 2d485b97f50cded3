#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "sim/scenario.h"

namespace tarnwick {

// The five numeric inputs of a scenario, in the order of the data entry window's rows.
enum class Box { Ias, UpperWind, LowerWind, WindChangeAltitude, ExitDelay };  // TxtIAS ...

inline constexpr std::size_t kInputCount = 5;

// Everything the program knows about one numeric input. The data entry window, the headless
// modes, the sweep and the load planner all read it from here, so that a box, its option, its
// label and its limits can never disagree.
struct InputRow {
  Box box;
  float Scenario::*field;        // the scenario field the box feeds
  std::string_view boxName;      // the text box in the data entry window: "TxtIAS"
  std::string_view caption;      // the box's caption in that window
  std::string_view option;       // the command-line option and sweep field: "ias"
  std::string_view label;        // with its unit, for charts and tables
  std::string_view defaultText;  // the box's text when the window opens
  std::string_view valueName;    // its value in the command line's help: "KNOTS"
  std::string_view meaning;      // what it is, for that help
  float lowest;                  // the range Go (for the wind change altitude, the box itself)
  float highest;                 // keeps the value in
};

inline constexpr std::array<InputRow, kInputCount> kInputTable = {{
    {Box::Ias, &Scenario::ias, "TxtIAS", "Indicated Airspeed (kts)", "ias",
     "Indicated airspeed (kts)", "80", "KNOTS", "aircraft indicated airspeed", 0, 200},
    {Box::UpperWind, &Scenario::upperWind, "TxtUwind", "Upper winds (kts)", "upper-wind",
     "Upper wind (kts)", "20", "KNOTS", "wind speed above the wind change altitude", 0, 100},
    {Box::LowerWind, &Scenario::lowerWind, "TxtLwind", "Lower winds (kts)", "lower-wind",
     "Lower wind (kts)", "0", "KNOTS", "wind speed at and below the wind change altitude", 0, 50},
    {Box::WindChangeAltitude, &Scenario::windChangeAltitude, "TxtWndalt", "Altitude of wind change",
     "wind-change-altitude", "Altitude of wind change (ft msl)", "6000", "FEET",
     "altitude (msl) at which the wind changes", 0, 13000},
    {Box::ExitDelay, &Scenario::exitDelay, "TxtExdelay", "Exit delay (sec)", "exit-delay",
     "Exit delay (s)", "5", "SECONDS", "time between the first and the second exit", 0, 30},
}};

// The row of `box`.
constexpr const InputRow& InputFor(Box box) {
  return kInputTable[static_cast<std::size_t>(box)];
}

// The row whose command-line option is `option` ("upper-wind"), or nullptr.
const InputRow* InputForOption(std::string_view option);

// The options of every row, for messages: "ias, upper-wind, ..., wind-change-altitude or
// exit-delay".
std::string_view InputOptionList();

// The longest exit delay a run takes: Go's limit, and the end of every delay search.
inline constexpr float kLongestExitDelay = InputFor(Box::ExitDelay).highest;

// How far the upper wind may exceed the airspeed (Go's limit).
inline constexpr float kUpperWindAboveAirspeed = 35;

// What the program says after it had to correct an input, in the window and on the command line.
inline constexpr std::string_view kInputWarningText = "Please check your numerical inputs";

}  // namespace tarnwick
