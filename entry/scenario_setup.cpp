#include "entry/scenario_setup.h"

namespace tarnwick {

void ApplyScenarioOptions(EntryControls& controls, const ScenarioOptions& options) {
  if (options.ias) controls.SetText(Box::Ias, *options.ias);
  if (options.upperWind) controls.SetText(Box::UpperWind, *options.upperWind);
  if (options.lowerWind) controls.SetText(Box::LowerWind, *options.lowerWind);
  if (options.windChangeAltitude) {
    controls.SetText(Box::WindChangeAltitude, *options.windChangeAltitude);
  }
  if (options.exitDelay) controls.SetText(Box::ExitDelay, *options.exitDelay);
  if (options.upperHeadwind) controls.SetChecked(CheckBox::UpperHeadwind, *options.upperHeadwind);
  if (options.lowerHeadwind) controls.SetChecked(CheckBox::LowerHeadwind, *options.lowerHeadwind);
  if (options.firstIndex) controls.SetListIndex(ListBox::First, *options.firstIndex);
  if (options.secondIndex) controls.SetListIndex(ListBox::Second, *options.secondIndex);
}

Scenario PrepareScenario(std::string_view argument, const ScenarioOptions& options,
                         const std::function<void()>& warn) {
  Scenario scenario;
  EntryModel controls(scenario);
  LoadEntry(controls, argument, scenario);
  ApplyScenarioOptions(controls, options);
  ApplyGoLimits(controls, scenario, warn);
  scenario.paused = kFalse;
  return scenario;
}

}  // namespace tarnwick
