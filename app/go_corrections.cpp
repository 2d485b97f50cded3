#include "app/go_corrections.h"

#include <ostream>

#include "entry/input_table.h"

namespace tarnwick {

void TellCorrections(std::ostream& err, const PreparedScenario& prepared) {
  for (int i = 0; i < prepared.warnings; ++i) err << kInputWarningText << '\n';
  for (const InputCorrection& correction : prepared.corrections) {
    err << CorrectionLine(correction) << '\n';
  }
}

std::string CorrectionLine(const InputCorrection& correction) {
  return "tarnwick: " + CorrectionText(correction);
}

}  // namespace tarnwick
