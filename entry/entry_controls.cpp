#include "entry/entry_controls.h"

#include <cmath>

#include "entry/number_text.h"
#include "entry/presets.h"

namespace tarnwick {
namespace {

constexpr float kHighestWindChange = InputFor(Box::WindChangeAltitude).highest;
constexpr float kLowestWindChange = InputFor(Box::WindChangeAltitude).lowest;
constexpr float kLowestAirspeed = InputFor(Box::Ias).lowest;
constexpr float kHighestAirspeed = InputFor(Box::Ias).highest;
constexpr float kHighestUpperWind = InputFor(Box::UpperWind).highest;
constexpr float kHighestLowerWind = InputFor(Box::LowerWind).highest;
constexpr float kShortestExitDelay = InputFor(Box::ExitDelay).lowest;

float ReadBox(const EntryControls& controls, Box box) {
  return StoreSingle(TextToNumber(controls.Text(box)));
}

std::int16_t SignOf(bool headwind) {
  return static_cast<std::int16_t>(2 * (headwind ? 1 : 0) - 1);
}

}  // namespace

float& ScenarioField(Scenario& s, Box box) {
  return s.*InputFor(box).field;
}

const float& ScenarioField(const Scenario& s, Box box) {
  return s.*InputFor(box).field;
}

void OnBoxTextChanged(EntryControls& controls, Box box, Scenario& scenario) {
  float& field = ScenarioField(scenario, box);
  field = ReadBox(controls, box);
  if (box != Box::WindChangeAltitude) return;
  if (field > kHighestWindChange) field = kHighestWindChange;
  if (field < kLowestWindChange) field = kLowestWindChange;
  // Rewriting the box raises this handler once more; that time the text reads back to the same
  // value and the same text, and the chain stops.
  controls.SetText(box, NumberToText(field));
}

void OnCheckChanged(const EntryControls& controls, CheckBox box, Scenario& scenario) {
  const std::int16_t sign = SignOf(controls.Checked(box));
  if (box == CheckBox::UpperHeadwind) {
    scenario.upperWindSign = sign;
  } else {
    scenario.lowerWindSign = sign;
  }
}

void OnListChanged(const EntryControls& controls, ListBox list, Scenario& scenario) {
  const auto index = static_cast<std::int16_t>(controls.ListIndex(list));
  switch (list) {
    case ListBox::First:
      scenario.firstSlow = index;
      break;
    case ListBox::Second:
      scenario.secondSlow = index;
      break;
    case ListBox::PlotRate:
      scenario.plotRate = index;
      break;
  }
}

void LoadEntry(EntryControls& controls, std::string_view argument, Scenario& scenario) {
  controls.SetListIndex(ListBox::PlotRate, PlotRateIndexForArgument(argument));
  const Preset preset = PresetForArgument(argument);
  if (preset.ias) controls.SetText(Box::Ias, *preset.ias);
  if (preset.exitDelay) controls.SetText(Box::ExitDelay, *preset.exitDelay);
  if (preset.lowerWind) controls.SetText(Box::LowerWind, *preset.lowerWind);
  if (preset.upperWind) controls.SetText(Box::UpperWind, *preset.upperWind);
  if (preset.windChangeAltitude)
    controls.SetText(Box::WindChangeAltitude, *preset.windChangeAltitude);
  if (preset.upperHeadwind) controls.SetChecked(CheckBox::UpperHeadwind, *preset.upperHeadwind);
  if (preset.lowerHeadwind) controls.SetChecked(CheckBox::LowerHeadwind, *preset.lowerHeadwind);
  controls.SetListIndex(ListBox::First, preset.firstIndex);
  controls.SetListIndex(ListBox::Second, preset.secondIndex);

  OnCheckChanged(controls, CheckBox::LowerHeadwind, scenario);
  OnCheckChanged(controls, CheckBox::UpperHeadwind, scenario);
  OnListChanged(controls, ListBox::PlotRate, scenario);
  OnListChanged(controls, ListBox::First, scenario);
  OnListChanged(controls, ListBox::Second, scenario);
}

void ApplyGoLimits(EntryControls& controls, Scenario& scenario, const std::function<void()>& warn) {
  auto correct = [&](float& field, float value, bool warned) {
    field = value;
    if (warned && warn) warn();
  };

  scenario.ias = ReadBox(controls, Box::Ias);
  if (scenario.ias < kLowestAirspeed) correct(scenario.ias, kLowestAirspeed, true);
  if (scenario.ias > kHighestAirspeed) correct(scenario.ias, kHighestAirspeed, true);
  controls.SetText(Box::Ias, NumberToText(scenario.ias));

  scenario.upperWind = ReadBox(controls, Box::UpperWind);
  if (scenario.upperWind < 0) correct(scenario.upperWind, std::fabs(scenario.upperWind), true);
  const float airspeedLimit = scenario.ias + kUpperWindAboveAirspeed;
  if (scenario.upperWind > airspeedLimit) correct(scenario.upperWind, airspeedLimit, true);
  if (scenario.upperWind > kHighestUpperWind) correct(scenario.upperWind, kHighestUpperWind, true);
  controls.SetText(Box::UpperWind, NumberToText(scenario.upperWind));

  scenario.windChangeAltitude = ReadBox(controls, Box::WindChangeAltitude);

  scenario.lowerWind = ReadBox(controls, Box::LowerWind);
  if (scenario.lowerWind < 0) correct(scenario.lowerWind, std::fabs(scenario.lowerWind), false);
  if (scenario.lowerWind > kHighestLowerWind) correct(scenario.lowerWind, kHighestLowerWind, false);
  controls.SetText(Box::LowerWind, NumberToText(scenario.lowerWind));

  scenario.exitDelay = ReadBox(controls, Box::ExitDelay);
  if (scenario.exitDelay > kLongestExitDelay) correct(scenario.exitDelay, kLongestExitDelay, true);
  if (scenario.exitDelay < kShortestExitDelay)
    correct(scenario.exitDelay, kShortestExitDelay, true);
  controls.SetText(Box::ExitDelay, NumberToText(scenario.exitDelay));
}

EntryModel::EntryModel(Scenario& scenario) : scenario_(scenario) {
  for (const InputRow& row : kInputTable) {
    texts_[static_cast<std::size_t>(row.box)] = std::string(row.defaultText);
  }
}

std::string EntryModel::Text(Box box) const {
  return texts_[static_cast<int>(box)];
}

void EntryModel::SetText(Box box, const std::string& text) {
  std::string& current = texts_[static_cast<int>(box)];
  if (current == text) return;
  current = text;
  OnBoxTextChanged(*this, box, scenario_);
}

bool EntryModel::Checked(CheckBox box) const {
  return checks_[static_cast<int>(box)];
}

void EntryModel::SetChecked(CheckBox box, bool checked) {
  bool& current = checks_[static_cast<int>(box)];
  if (current == checked) return;
  current = checked;
  OnCheckChanged(*this, box, scenario_);
}

int EntryModel::ListIndex(ListBox list) const {
  return lists_[static_cast<int>(list)];
}

void EntryModel::SetListIndex(ListBox list, int index) {
  int& current = lists_[static_cast<int>(list)];
  if (current == index || index < 0 || index > 1) return;
  current = index;
  OnListChanged(*this, list, scenario_);
}

}  // namespace tarnwick
