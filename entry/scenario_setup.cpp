#include "entry/scenario_setup.h"

#include <string>

namespace tarnwick {

std::optional<std::string>& TextOption(ScenarioOptions& options, Box box) {
  switch (box) {
    case Box::Ias:
      return options.ias;
    case Box::UpperWind:
      return options.upperWind;
    case Box::LowerWind:
      return options.lowerWind;
    case Box::WindChangeAltitude:
      return options.windChangeAltitude;
    case Box::ExitDelay:
      break;
  }
  return options.exitDelay;
}

const std::optional<std::string>& TextOption(const ScenarioOptions& options, Box box) {
  return TextOption(const_cast<ScenarioOptions&>(options), box);
}

void ApplyScenarioOptions(EntryControls& controls, const ScenarioOptions& options) {
  for (const InputRow& row : kInputTable) {
    if (const auto& text = TextOption(options, row.box)) controls.SetText(row.box, *text);
  }
  if (options.upperHeadwind) controls.SetChecked(CheckBox::UpperHeadwind, *options.upperHeadwind);
  if (options.lowerHeadwind) controls.SetChecked(CheckBox::LowerHeadwind, *options.lowerHeadwind);
  if (options.firstIndex) controls.SetListIndex(ListBox::First, *options.firstIndex);
  if (options.secondIndex) controls.SetListIndex(ListBox::Second, *options.secondIndex);
}

namespace {

// The preset, the options, then Go's limits; `given` receives each box's text before Go.
Scenario Prepare(std::string_view argument, const ScenarioOptions& options,
                 const std::function<void()>& warn, GivenInputs& given) {
  Scenario scenario;
  EntryModel controls(scenario);
  LoadEntry(controls, argument, scenario);
  ApplyScenarioOptions(controls, options);
  for (const InputRow& row : kInputTable) {
    // The wind change altitude's box keeps itself in range as it is typed into, so what was
    // asked for is the option, not the box.
    const auto index = static_cast<std::size_t>(row.box);
    const auto& option = TextOption(options, row.box);
    given.texts[index] = option ? *option : controls.Text(row.box);
    given.typed[index] = option.has_value();
  }
  ApplyGoLimits(controls, scenario, warn);
  scenario.paused = kFalse;
  return scenario;
}

}  // namespace

PreparedScenario PrepareScenario(std::string_view argument, const ScenarioOptions& options) {
  PreparedScenario prepared;
  GivenInputs given;
  prepared.scenario = Prepare(
      argument, options, [&prepared] { ++prepared.warnings; }, given);
  prepared.corrections = FindCorrections(given, prepared.scenario);
  return prepared;
}

Scenario PrepareScenario(std::string_view argument, const ScenarioOptions& options,
                         const std::function<void()>& warn) {
  GivenInputs given;
  return Prepare(argument, options, warn, given);
}

}  // namespace tarnwick
