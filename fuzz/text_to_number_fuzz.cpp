// Any text typed into a box reads as a number that a scenario field can hold, and the wind
// change altitude box settles on a value in range after at most two rewrites.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "entry/entry_controls.h"
#include "entry/number_text.h"

namespace {

// Counts how often the box's handler rewrites it, to prove the rewrite chain ends.
class CountingModel : public tarnwick::EntryModel {
 public:
  using EntryModel::EntryModel;
  void SetText(tarnwick::Box box, const std::string& text) override {
    if (++depth > 4) std::abort();
    EntryModel::SetText(box, text);
    --depth;
  }
  int depth = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double number = tarnwick::TextToNumber(text);
  if (std::isnan(number)) std::abort();
  const float stored = tarnwick::StoreSingle(number);
  if (!std::isfinite(stored)) std::abort();

  tarnwick::Scenario scenario;
  CountingModel model(scenario);
  model.SetText(tarnwick::Box::WindChangeAltitude, "");  // leaves the design text behind
  model.SetText(tarnwick::Box::WindChangeAltitude, text);
  const float altitude = scenario.windChangeAltitude;
  if (!(altitude >= 0 && altitude <= 13000)) std::abort();
  if (tarnwick::StoreSingle(
          tarnwick::TextToNumber(model.Text(tarnwick::Box::WindChangeAltitude))) != altitude) {
    std::abort();  // the box must show what the field holds
  }
  return 0;
}
