#pragma once

#include "load/load_model.h"

namespace tarnwick {

// The planner tests' load: Belly, Freefly and Tandem, 7 s and 9 s apart, a 20 kt headwind
// above 6000 ft and calm air below.
inline load::Load ThreeGroups() {
  load::Load load;
  for (const char* name : {"Belly", "Freefly", "Tandem"}) {
    load::Group group;
    group.name = name;
    group.delay = 7;
    load.groups.push_back(group);
  }
  load.groups[2].delay = 9;
  load::WindLayer upper;
  upper.above = 6000;
  upper.wind = load::Headwind{20};
  load.winds = {upper, load::WindLayer{}};
  return load;
}

}  // namespace tarnwick
