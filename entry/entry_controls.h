#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "entry/input_table.h"
#include "sim/scenario.h"

namespace tarnwick {

// The other inputs of the data entry window, by what they hold; the numeric boxes are Box.
enum class CheckBox { UpperHeadwind, LowerHeadwind };  // Check1, Check2
enum class ListBox { First, Second, PlotRate };        // cmbFirst, CmbSecond, Cmbplot

// The data entry window's controls as the input logic sees them. The window implements it
// over its widgets; EntryModel implements it in memory for the headless modes. Setting a value
// that differs from the current one raises that control's change handler, as a user edit does.
class EntryControls {
 public:
  virtual ~EntryControls() = default;
  virtual std::string Text(Box box) const = 0;
  virtual void SetText(Box box, const std::string& text) = 0;
  virtual bool Checked(CheckBox box) const = 0;
  virtual void SetChecked(CheckBox box, bool checked) = 0;
  virtual int ListIndex(ListBox list) const = 0;
  virtual void SetListIndex(ListBox list, int index) = 0;
};

// The scenario field that a box feeds.
float& ScenarioField(Scenario& scenario, Box box);
const float& ScenarioField(const Scenario& scenario, Box box);

// The change handlers: each stores its control's value in the scenario at once. The wind
// change altitude is also kept within 0..13000 and its box rewritten in the boxes' number form.
void OnBoxTextChanged(EntryControls& controls, Box box, Scenario& scenario);
void OnCheckChanged(const EntryControls& controls, CheckBox box, Scenario& scenario);
void OnListChanged(const EntryControls& controls, ListBox list, Scenario& scenario);

// The window's load: applies the preset of the command-line argument to the controls, then
// reads the check boxes and lists into the scenario. The text boxes are read by Go.
void LoadEntry(EntryControls& controls, std::string_view argument, Scenario& scenario);

// The first steps of Go: reads the five boxes, limits airspeed, upper wind, lower wind and exit
// delay, writes those four back, and calls `warn` once for every correction it had to make
// (the lower wind is corrected silently).
void ApplyGoLimits(EntryControls& controls, Scenario& scenario, const std::function<void()>& warn);

// The controls in memory, with the window's design values, for runs without a window.
class EntryModel : public EntryControls {
 public:
  explicit EntryModel(Scenario& scenario);
  std::string Text(Box box) const override;
  void SetText(Box box, const std::string& text) override;
  bool Checked(CheckBox box) const override;
  void SetChecked(CheckBox box, bool checked) override;
  int ListIndex(ListBox list) const override;
  void SetListIndex(ListBox list, int index) override;

 private:
  Scenario& scenario_;
  std::string texts_[kInputCount];
  bool checks_[2] = {true, true};
  int lists_[3] = {0, 0, 0};
};

}  // namespace tarnwick
