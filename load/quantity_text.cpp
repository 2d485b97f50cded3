#include "load/quantity_text.h"

#include <cmath>

#include "sim/decimal_text.h"

namespace tarnwick::load {
namespace {

// Adds one unit in the last place of the digits of `number` (no sign), carrying leftwards.
void RoundUp(std::string& number) {
  for (std::size_t i = number.size(); i-- > 0;) {
    if (number[i] == '.') continue;
    if (number[i] != '9') {
      ++number[i];
      return;
    }
    number[i] = '0';
  }
  number.insert(0, 1, '1');
}

int DecimalsOf(Quantity quantity) {
  return quantity == Quantity::Time || quantity == Quantity::Delay || quantity == Quantity::DragArea
             ? 1
             : 0;
}

}  // namespace

std::string RoundedText(double value, int decimals) {
  // The shortest plain text that reads back as `value`.
  if (!std::isfinite(value)) return "0";
  std::string number = ShortestPlainText(std::fabs(value));
  std::size_t point = number.find('.');
  if (point == std::string::npos) {
    point = number.size();
    number += '.';
  }
  const std::size_t keep = point + 1 + static_cast<std::size_t>(decimals);
  const bool up = number.size() > keep && number[keep] >= '5';
  number.resize(keep, '0');
  if (decimals == 0) number.pop_back();  // the point
  if (up) RoundUp(number);
  const bool zero = number.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !zero ? "-" + number : number;
}

int CalledSeconds(double delay) {
  const double nearest = std::round(delay);
  if (std::fabs(delay - nearest) < 1e-4) return static_cast<int>(nearest);
  return static_cast<int>(std::ceil(delay));
}

std::string CalledDistanceText(double feet) {
  constexpr double kMetresPerNauticalMile = 1852;  // exact, by definition
  constexpr double kCalledMetresStep = 10;         // a call finer than this is false precision
  const double metres = std::fabs(FromFeet(feet, LengthUnit::Metres));
  return RoundedText(metres / kMetresPerNauticalMile, 2) + " NM (" +
         RoundedText(std::round(metres / kCalledMetresStep) * kCalledMetresStep, 0) + " m)";
}

std::string UnitOf(Quantity quantity, const Units& units) {
  switch (quantity) {
    case Quantity::Distance:
      return std::string(UnitName(units.distance));
    case Quantity::Altitude:
      return std::string(UnitName(units.altitude));
    case Quantity::Speed:
      return std::string(UnitName(units.speed));
    case Quantity::Time:
    case Quantity::Delay:
    case Quantity::Call:
      return "s";
    case Quantity::Direction:
      return "deg";
    case Quantity::DragArea:
      return "sq ft";
  }
  return {};
}

ShownQuantity Show(Quantity quantity, double value, const Units& units) {
  ShownQuantity shown;
  switch (quantity) {
    case Quantity::Distance:
      shown.value = FromFeet(value, units.distance);
      break;
    case Quantity::Altitude:
      shown.value = FromFeet(value, units.altitude);
      break;
    case Quantity::Speed:
      shown.value = FromKnots(value, units.speed);
      break;
    default:
      shown.value = value;
  }
  shown.number = RoundedText(quantity == Quantity::Call ? CalledSeconds(value) : shown.value,
                             DecimalsOf(quantity));
  shown.text = shown.number + " " + UnitOf(quantity, units);
  return shown;
}

std::string QuantityText(Quantity quantity, double value, const Units& units) {
  return Show(quantity, value, units).text;
}

}  // namespace tarnwick::load
