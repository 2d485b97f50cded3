#pragma once

#include "load/load_model.h"
#include "sim/scenario.h"

namespace tarnwick {

// The data entry window's two-jumper scenario as a load: its airspeed, its upper and lower
// winds as headwind components split at the wind change altitude, and its two groups with
// their fall classes and the exit delay, from the run's 14000 ft to the run's 3000 ft. Flown,
// it gives the run's fall times and downranges. `scenario` holds the values as Go limits them.
load::Load LoadFromScenario(const Scenario& scenario);

// The scenario a Go press would run now: the controls' texts read and limited as Go does,
// without writing anything back or warning.
class EntryControls;
Scenario ScenarioAsGoWouldRunIt(const EntryControls& controls, const Scenario& current);

}  // namespace tarnwick
