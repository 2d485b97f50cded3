#include "load/number_text.h"

#include <charconv>

namespace tarnwick::load {

std::string NumberText(double value) {
  char buffer[64];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, written.ptr);
}

}  // namespace tarnwick::load
