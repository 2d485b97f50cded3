#include "entry/input_correction.h"

#include "entry/entry_controls.h"
#include "entry/number_text.h"
#include "output/printable_text.h"
#include "sim/decimal_text.h"

namespace tarnwick {

std::vector<InputCorrection> FindCorrections(const GivenInputs& given, const Scenario& prepared) {
  std::vector<InputCorrection> corrections;
  for (const InputRow& row : kInputTable) {
    const auto index = static_cast<std::size_t>(row.box);
    const std::string& text = given.texts[index];
    const float taken = ScenarioField(prepared, row.box);
    if (NumberToText(StoreSingle(TextToNumber(text))) != NumberToText(taken)) {
      corrections.push_back({row.box, text, given.typed[index], taken});
    }
  }
  return corrections;
}

std::string CorrectionText(const InputCorrection& correction) {
  const InputRow& row = InputFor(correction.box);
  std::string rule =
      "its box takes " + ShortestText(row.lowest) + " to " + ShortestText(row.highest);
  if (correction.box == Box::UpperWind) {
    rule += ", at most the airspeed + " + ShortestText(kUpperWindAboveAirspeed);
  }
  return (correction.typed ? "--" : "the preset's --") + std::string(row.option) + ' ' +
         PrintableText(correction.given) + " was taken as " + ShortestText(correction.taken) +
         " (" + rule + ')';
}

}  // namespace tarnwick
