#pragma once

#include <iosfwd>

#include "entry/scenario_setup.h"

namespace tarnwick {

// What a headless mode says on `err` after Go's limits changed its inputs: Go's warning once per
// correction Go warns about, as the window does, then one line for every input that does not
// run as given, saying from what to what, so that no one takes the results for those of the
// values typed.
void TellCorrections(std::ostream& err, const PreparedScenario& prepared);

// The line for one changed input: "tarnwick: --ias 500 was taken as 200 (...)".
std::string CorrectionLine(const InputCorrection& correction);

}  // namespace tarnwick
