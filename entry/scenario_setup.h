#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "entry/entry_controls.h"
#include "entry/input_correction.h"
#include "entry/scenario_options.h"
#include "sim/scenario.h"

namespace tarnwick {

// Applies the command-line scenario options to the data entry controls as if a user had typed
// them into the boxes or chosen them in the check boxes and lists.
void ApplyScenarioOptions(EntryControls& controls, const ScenarioOptions& options);

// The scenario a Go press would run, how many corrections Go warned about on the way, and
// every input that does not run as it was given.
struct PreparedScenario {
  Scenario scenario;
  int warnings = 0;
  std::vector<InputCorrection> corrections;
};

// The scenario a Go press would run after the data entry window loaded with `argument` and the
// user entered `options`: the preset, then the options, then Go's limits.
PreparedScenario PrepareScenario(std::string_view argument, const ScenarioOptions& options);

// The same scenario, with `warn` called once for every correction Go would warn about.
Scenario PrepareScenario(std::string_view argument, const ScenarioOptions& options,
                         const std::function<void()>& warn);

}  // namespace tarnwick
