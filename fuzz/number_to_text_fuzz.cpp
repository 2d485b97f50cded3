// A value written into a box reads back to a value whose text is the same again: the boxes
// and the scenario fields agree after every write-back.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "entry/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(float)) return 0;
  float value;
  std::memcpy(&value, data, sizeof value);
  if (!std::isfinite(value)) return 0;

  const std::string text = tarnwick::NumberToText(value);
  if (text.empty() || (text[0] != ' ' && text[0] != '-')) std::abort();
  if (text.size() > 16) std::abort();
  const float stored = tarnwick::StoreSingle(tarnwick::TextToNumber(text));
  // The text keeps seven significant digits of the value.
  if (value != 0 && std::fabs(stored - value) > std::fabs(value) * 1e-6f) std::abort();
  // Writing the stored value again gives a text that reads back to exactly that value.
  const std::string again = tarnwick::NumberToText(stored);
  const float storedAgain = tarnwick::StoreSingle(tarnwick::TextToNumber(again));
  if (tarnwick::NumberToText(storedAgain) != again) std::abort();
  return 0;
}
