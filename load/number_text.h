#pragma once

#include <string>

namespace tarnwick::load {

// A number as the shortest text that reads back to the same double; never locale-dependent.
std::string NumberText(double value);

}  // namespace tarnwick::load
