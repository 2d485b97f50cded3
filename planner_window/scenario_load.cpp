#include "planner_window/scenario_load.h"

#include "entry/entry_controls.h"

namespace tarnwick {
namespace {

load::WindLayer HeadwindLayer(float speed, std::int16_t sign) {
  load::WindLayer layer;
  layer.wind = load::Headwind{static_cast<double>(speed) * sign};
  return layer;
}

load::Group GroupOf(const char* name, std::int16_t slow) {
  load::Group group;
  group.name = name;
  group.fallRate.kind = slow != 0 ? load::FallRate::Kind::Slow : load::FallRate::Kind::Fast;
  return group;
}

}  // namespace

load::Load LoadFromScenario(const Scenario& scenario) {
  load::Load load;
  load.indicatedAirspeed = scenario.ias;
  load::WindLayer upper = HeadwindLayer(scenario.upperWind, scenario.upperWindSign);
  upper.above = scenario.windChangeAltitude;
  load.winds = {upper, HeadwindLayer(scenario.lowerWind, scenario.lowerWindSign)};
  load.groups = {GroupOf("Jumper 1", scenario.firstSlow), GroupOf("Jumper 2", scenario.secondSlow)};
  load.groups[1].delay = scenario.exitDelay;
  return load;
}

Scenario ScenarioAsGoWouldRunIt(const EntryControls& controls, const Scenario& current) {
  Scenario scenario = current;
  EntryModel copy(scenario);
  for (const Box box :
       {Box::Ias, Box::UpperWind, Box::LowerWind, Box::WindChangeAltitude, Box::ExitDelay}) {
    copy.SetText(box, controls.Text(box));
  }
  for (const CheckBox box : {CheckBox::UpperHeadwind, CheckBox::LowerHeadwind}) {
    copy.SetChecked(box, controls.Checked(box));
  }
  for (const ListBox list : {ListBox::First, ListBox::Second, ListBox::PlotRate}) {
    copy.SetListIndex(list, controls.ListIndex(list));
  }
  ApplyGoLimits(copy, scenario, [] {});
  return scenario;
}

}  // namespace tarnwick
