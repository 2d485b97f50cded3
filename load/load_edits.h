#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "load/load_model.h"

namespace tarnwick::load {

// The edits a user makes to a load's rows (its groups and its wind layers) and to its units,
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

// The load in other units. Every value whose unit changes is rounded to the step its new unit
// is entered in (RoundedFeet, RoundedKnots), so that the window and a saved file show the same
// numbers; values whose unit stays are kept as they are.
Load WithUnits(const Load& load, const Units& units);

}  // namespace tarnwick::load
