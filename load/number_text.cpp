#include "load/number_text.h"

#include "sim/decimal_text.h"

namespace tarnwick::load {

std::string NumberText(double value) {
  return ShortestText(value);
}

}  // namespace tarnwick::load
