#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "load/load_model.h"

namespace tarnwick::load {

// The edits a user makes to a load's rows (its groups, its wind layers or levels) and to its units,
// each a function from the load before to the load after: the window's tables, its menus and
// buttons, and the tests share one rule for each. An edit says nothing about whether the new
// load can be flown; that is LoadProblem's to say.

// A load after an edit of its groups or of its wind layers.
struct EditedLoad {
  Load load;
  // The row the edit concerns, where it is now: the new or moved row, the converted layer, or
  // the row that took a removed one's place (none when no row is left).
  std::optional<std::size_t> row;
  // Each old row's place after the edit, -1 for the removed row.
  std::vector<int> newRowOf;
};

// Why an edit cannot be made, in the user's words.
struct EditRefusal {
  std::string reason;
};

using EditOutcome = std::variant<EditedLoad, EditRefusal>;

// A new group after the selected one, or at the end when none is selected: named "Group N",
// N the number of groups it makes or the first higher number no group's name has taken, with
// the default fall rate and opening, leaving the load's minimum delay after the group before.
EditOutcome InsertGroup(const Load& load, std::optional<std::size_t> selected);
EditOutcome RemoveGroup(const Load& load, std::size_t row);
// Moves a group to another place in the exit order. The delays belong to the gaps, not to the
// groups: the gap before each place keeps its delay, so a move changes the order only.
EditOutcome MoveGroup(const Load& load, std::size_t from, std::size_t to);

// A new layer above the selected one (above the ground layer when none is selected), or the
// ground layer of a load without winds. It takes the upper half of the layer it splits: its
// base lies halfway between the base above (the exit altitude for the top layer) and the split
// layer's own base (the ground for the last one), rounded to the step of the load's altitude
// unit; and it blows as the split layer does, so the load flies exactly as before.
EditOutcome InsertWindLayer(const Load& load, std::optional<std::size_t> selected);
// The layer below takes over the removed layer's band; when the ground layer is removed, the
// layer above it reaches the ground.
EditOutcome RemoveWindLayer(const Load& load, std::size_t row);

// How a layer's wind is given. Converting keeps the wind along the jump run: a headwind
// component h on heading H is a speed |h| from H (from H + 180 for a tailwind); a speed s from
// D is the headwind component s cos(D - H), rounded to the step of the load's speed unit (its
// cross component is dropped, since a headwind layer has none). Both need the jump-run heading.
enum class WindGiven { AsHeadwind, FromDirection };
EditOutcome GiveWindAs(const Load& load, std::size_t row, WindGiven given);

// The levels of a load given by levels (load.windLevels, from the top down), row by row as
// the winds table shows them.
//
// A new level goes below the selected one (below the lowest when none is selected): halfway
// between it and the next level down, or the ground (the landing area's elevation) below the
// lowest, rounded to the step of the load's altitude unit. It takes the wind the load already
// flies there (the two levels' interpolated, or the lowest's below it), so that it is never a
// calm band nobody asked for and the load flies as before but for the rounding of the new
// level's speed to its unit's step and of its direction to a whole degree. It is a headwind
// when the selected level is one and the wind there has no cross component, else a speed and
// a direction. Refused when the rounded altitude leaves no room, and for a load given by layers.
EditOutcome InsertWindLevel(const Load& load, std::optional<std::size_t> selected);
// Refused for the last level: a load given by levels keeps one (switch the winds to layers to
// leave calm air).
EditOutcome RemoveWindLevel(const Load& load, std::size_t row);
// A level moved to another altitude finds its place among the others, from the top down (the
// row the edit names is where it went); refused at the altitude of another level.
EditOutcome SetWindLevelAltitude(const Load& load, std::size_t row, double altitude);
// As GiveWindAs, for a level.
EditOutcome GiveLevelWindAs(const Load& load, std::size_t row, WindGiven given);

// How a load gives its winds: layers (each wind holds from its base up to the next base) or
// levels (the wind at each altitude, interpolated linearly between them).
enum class WindsGiven { Layers, Levels };
WindsGiven WindsGivenOf(const Load& load);
// The load with its winds given the other way, flying as close to before as the other way
// allows; every row is new (newRowOf all -1, no row named).
// - Layers to levels: each base becomes two levels, one at the base with the wind of the layer
//   above it and one a step of the altitude unit (1 ft, 1 m) below with the wind of the layer
//   below, so that the layers' steps stay steps: a falling group crosses the ramp between the
//   two within about two steps of its flight. One layer, or calm air, becomes one level at the
//   exit altitude (the layer's wind, or calm). Refused when that makes more levels than a load
//   may have.
// - Levels to layers: a layer per level, holding the level's wind from halfway down to the
//   level below (its base, rounded to the altitude unit's step) up to halfway to the level
//   above: the nearest level's wind, so that over the span between two levels a steady fall
//   drifts as far as through the interpolated wind (and layers made levels come back as they
//   were). Layers wholly above the exit altitude are left out, neighbours blowing alike are
//   merged, and the wind source goes (a load given by layers has none). Refused when a flown
//   level blows faster than a layer may.
// Given as it already is: nothing changes.
EditOutcome GiveWindsAs(const Load& load, WindsGiven given);

// The load in other units. Every value whose unit changes is rounded to the step its new unit
// is entered in (RoundedFeet, RoundedKnots), so that the window and a saved file show the same
// numbers; values whose unit stays are kept as they are.
Load WithUnits(const Load& load, const Units& units);

}  // namespace tarnwick::load
