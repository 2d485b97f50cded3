#include "load/load_edits.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

#include "load/quantity_text.h"

namespace tarnwick::load {
namespace {

constexpr double kFullCircle = 360;

EditRefusal NoSuchRow(const char* what, std::size_t row) {
  return {"There is no " + std::string(what) + " " + std::to_string(row + 1)};
}

// The load with `row` put into its list `rows` (its groups or its winds) at `at`.
template <typename Row>
EditedLoad Inserted(const Load& load, std::vector<Row> Load::*rows, std::size_t at, Row row) {
  const std::size_t count = (load.*rows).size();
  EditedLoad edited{load, at, std::vector<int>(count)};
  for (std::size_t r = 0; r < count; ++r) edited.newRowOf[r] = static_cast<int>(r < at ? r : r + 1);
  auto& list = edited.load.*rows;
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
  return edited;
}

// The load without row `row` of its list `rows`; the row after it takes its place (or the new
// last row, when it was the last).
template <typename Row>
EditOutcome Removed(const Load& load, std::vector<Row> Load::*rows, std::size_t row,
                    const char* what) {
  const std::size_t count = (load.*rows).size();
  if (row >= count) return NoSuchRow(what, row);
  EditedLoad edited{load, std::nullopt, std::vector<int>(count)};
  for (std::size_t r = 0; r < count; ++r) {
    edited.newRowOf[r] = r < row ? static_cast<int>(r) : (r == row ? -1 : static_cast<int>(r) - 1);
  }
  if (count > 1) edited.row = std::min(row, count - 2);
  auto& list = edited.load.*rows;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(row));
  return edited;
}

bool NameTaken(const Load& load, const std::string& name) {
  for (const Group& group : load.groups) {
    if (group.name == name) return true;
  }
  return false;
}

std::string NewGroupName(const Load& load) {
  for (std::size_t n = load.groups.size() + 1;; ++n) {
    std::string name = "Group " + std::to_string(n);
    if (!NameTaken(load, name)) return name;
  }
}

// Degrees reduced to [0, 360).
double Bearing(double degrees) {
  const double reduced = std::fmod(degrees, kFullCircle);
  return reduced < 0 ? reduced + kFullCircle : reduced;
}

}  // namespace

EditOutcome InsertGroup(const Load& load, std::optional<std::size_t> selected) {
  const std::size_t count = load.groups.size();
  const std::size_t at = selected && *selected < count ? *selected + 1 : count;
  Group group;
  group.name = NewGroupName(load);
  // The first group leaves when the jump run starts: it has no delay.
  group.delay = at == 0 ? 0.0f : static_cast<float>(load.minimumDelay);
  return Inserted(load, &Load::groups, at, group);
}

EditOutcome RemoveGroup(const Load& load, std::size_t row) {
  EditOutcome outcome = Removed(load, &Load::groups, row, "group");
  auto* edited = std::get_if<EditedLoad>(&outcome);
  // The group that now leaves first has no delay (as a file read gives it).
  if (edited && row == 0 && !edited->load.groups.empty()) edited->load.groups.front().delay = 0;
  return outcome;
}

EditOutcome MoveGroup(const Load& load, std::size_t from, std::size_t to) {
  const std::size_t count = load.groups.size();
  if (from >= count) return NoSuchRow("group", from);
  if (to >= count) return NoSuchRow("group", to);
  std::vector<std::size_t> order(count);  // order[place] = the old row that goes there
  std::iota(order.begin(), order.end(), std::size_t{0});
  order.erase(order.begin() + static_cast<std::ptrdiff_t>(from));
  order.insert(order.begin() + static_cast<std::ptrdiff_t>(to), from);
  EditedLoad edited{load, to, std::vector<int>(count)};
  for (std::size_t place = 0; place < count; ++place) {
    edited.load.groups[place] = load.groups[order[place]];
    edited.load.groups[place].delay = load.groups[place].delay;  // the gap keeps its delay
    edited.newRowOf[order[place]] = static_cast<int>(place);
  }
  return edited;
}

EditOutcome InsertWindLayer(const Load& load, std::optional<std::size_t> selected) {
  const std::size_t count = load.winds.size();
  if (count == 0) {
    // Calm air is what a load without winds flies: a calm ground layer changes nothing.
    EditedLoad edited{load, 0, {}};
    edited.load.winds.emplace_back();
    return edited;
  }
  const std::size_t at = selected && *selected < count ? *selected : count - 1;
  const double upper = at == 0 ? load.exitAltitude : load.winds[at - 1].above.value_or(0);
  const double lower = load.winds[at].above.value_or(0);
  const double base = RoundedFeet((upper + lower) / 2, load.units.altitude);
  if (!(base > lower && base < upper)) {
    return EditRefusal{"Layer " + std::to_string(at + 1) + " is too thin to split"};
  }
  WindLayer layer = load.winds[at];
  layer.above = base;
  return Inserted(load, &Load::winds, at, layer);
}

EditOutcome RemoveWindLayer(const Load& load, std::size_t row) {
  EditOutcome outcome = Removed(load, &Load::winds, row, "wind layer");
  auto* edited = std::get_if<EditedLoad>(&outcome);
  // Without the ground layer, the layer above it reaches the ground.
  if (edited && row == load.winds.size() - 1 && !edited->load.winds.empty()) {
    edited->load.winds.back().above.reset();
  }
  return outcome;
}

namespace {

// The edit of row `row` of a list of winds (the load's layers or levels) given as `given`.
template <typename Row>
EditOutcome GivenAs(const Load& load, std::vector<Row> Load::*rows, std::size_t row,
                    WindGiven given, const char* what) {
  if (row >= (load.*rows).size()) return NoSuchRow(what, row);
  EditedLoad edited{load, row, std::vector<int>((load.*rows).size())};
  std::iota(edited.newRowOf.begin(), edited.newRowOf.end(), 0);
  LayerWind& wind = (edited.load.*rows)[row].wind;
  const bool directed = std::holds_alternative<DirectedWind>(wind);
  if (directed == (given == WindGiven::FromDirection)) return edited;
  if (!load.jumpRunHeading) {
    return EditRefusal{directed ? "Without a jump run heading this wind has no headwind "
                                  "component: give the heading first"
                                : "A wind from a direction needs the jump run heading: give "
                                  "the heading first"};
  }
  const double heading = *load.jumpRunHeading;
  if (directed) {
    const double headwind = TrackWindOf(wind, heading).headwind / KnotsToFeetPerSecond(1);
    wind = Headwind{RoundedKnots(headwind, load.units.speed)};
  } else {
    const double headwind = std::get<Headwind>(wind).component;
    // A headwind blows from straight ahead, a tailwind from behind.
    wind = DirectedWind{std::fabs(headwind), Bearing(headwind >= 0 ? heading : heading + 180)};
  }
  return edited;
}

EditRefusal GivenByLayers() {
  return {"The winds are given as layers: switch them to levels first"};
}

// The wind `track` (ft/s) as a level gives it: a headwind when `asHeadwind` and it has no cross
// component, else a speed and the direction it blows from (which needs the heading a cross
// component implies); rounded to the steps they are entered in.
LayerWind LevelWindOf(const TrackWind& track, bool asHeadwind, const Load& load) {
  const double knots = KnotsToFeetPerSecond(1);
  if ((asHeadwind && track.cross == 0) || !load.jumpRunHeading) {
    return Headwind{RoundedKnots(track.headwind / knots, load.units.speed)};
  }
  // headwind = s cos(from - heading), cross = -s sin(from - heading).
  const double offset = std::atan2(-track.cross, track.headwind) * 180 / std::numbers::pi;
  return DirectedWind{
      RoundedKnots(std::hypot(track.headwind, track.cross) / knots, load.units.speed),
      NormalizedHeading(std::round(Bearing(*load.jumpRunHeading + offset)))};
}

}  // namespace

EditOutcome GiveWindAs(const Load& load, std::size_t row, WindGiven given) {
  return GivenAs(load, &Load::winds, row, given, "wind layer");
}

EditOutcome GiveLevelWindAs(const Load& load, std::size_t row, WindGiven given) {
  return GivenAs(load, &Load::windLevels, row, given, "wind level");
}

EditOutcome InsertWindLevel(const Load& load, std::optional<std::size_t> selected) {
  const std::vector<WindLevel>& levels = load.windLevels;
  if (levels.empty()) return GivenByLayers();
  const std::size_t count = levels.size();
  const std::size_t above = selected && *selected < count ? *selected : count - 1;
  const double upper = levels[above].altitude;
  const double lower = above + 1 < count ? levels[above + 1].altitude : LandingAreaElevation(load);
  const double altitude = RoundedFeet((upper + lower) / 2, load.units.altitude);
  if (!(altitude > lower && altitude < upper)) {
    return EditRefusal{"Level " + std::to_string(above + 1) + " is too close to " +
                       (above + 1 < count ? "the level below" : "the ground") +
                       " for a level between them"};
  }
  const bool asHeadwind = std::holds_alternative<Headwind>(levels[above].wind);
  WindLevel level{altitude, LevelWindOf(WindAt(load, altitude), asHeadwind, load)};
  return Inserted(load, &Load::windLevels, above + 1, level);
}

EditOutcome RemoveWindLevel(const Load& load, std::size_t row) {
  if (row < load.windLevels.size() && load.windLevels.size() == 1) {
    return EditRefusal{"Winds given as levels keep one level: switch them to layers for calm air"};
  }
  return Removed(load, &Load::windLevels, row, "wind level");
}

EditOutcome SetWindLevelAltitude(const Load& load, std::size_t row, double altitude) {
  const std::vector<WindLevel>& levels = load.windLevels;
  const std::size_t count = levels.size();
  if (row >= count) return NoSuchRow("wind level", row);
  for (std::size_t r = 0; r < count; ++r) {
    if (r != row && levels[r].altitude == altitude) {
      return EditRefusal{"Level " + std::to_string(r + 1) + " stands at " +
                         QuantityText(Quantity::Altitude, altitude, load.units) + " already"};
    }
  }
  // The levels from the top down again; each keeps its place among the others.
  std::vector<std::size_t> order(count);  // order[place] = the old row that goes there
  std::iota(order.begin(), order.end(), std::size_t{0});
  const auto altitudeOf = [&](std::size_t r) { return r == row ? altitude : levels[r].altitude; };
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return altitudeOf(a) > altitudeOf(b); });
  EditedLoad edited{load, std::nullopt, std::vector<int>(count)};
  for (std::size_t place = 0; place < count; ++place) {
    edited.load.windLevels[place] = levels[order[place]];
    edited.newRowOf[order[place]] = static_cast<int>(place);
  }
  edited.row = static_cast<std::size_t>(edited.newRowOf[row]);
  edited.load.windLevels[*edited.row].altitude = altitude;
  return edited;
}

Load WithUnits(const Load& load, const Units& units) {
  Load next = load;
  next.units = units;
  const auto altitude = [&](double& feet) {
    if (units.altitude != load.units.altitude) feet = RoundedFeet(feet, units.altitude);
  };
  const auto speed = [&](double& knots) {
    if (units.speed != load.units.speed) knots = RoundedKnots(knots, units.speed);
  };
  if (units.distance != load.units.distance) {
    next.targetSeparation = RoundedFeet(next.targetSeparation, units.distance);
  }
  speed(next.indicatedAirspeed);
  altitude(next.exitAltitude);
  // The spot's values too; a sink rate is kept as it is, since a whole metre a second is a
  // step as large as a canopy's difference from another.
  if (next.dropZone && next.dropZone->elevation) altitude(*next.dropZone->elevation);
  altitude(next.patternAltitude);
  if (units.distance != load.units.distance) {
    next.jumpRunOffset = RoundedFeet(next.jumpRunOffset, units.distance);
  }
  speed(next.canopy.airspeed);
  const auto wind = [&](LayerWind& given) {
    if (auto* headwind = std::get_if<Headwind>(&given)) {
      speed(headwind->component);
    } else {
      speed(std::get<DirectedWind>(given).speed);
    }
  };
  for (WindLayer& layer : next.winds) {
    if (layer.above) altitude(*layer.above);
    wind(layer.wind);
  }
  for (WindLevel& level : next.windLevels) {
    altitude(level.altitude);
    wind(level.wind);
  }
  for (Group& group : next.groups) {
    altitude(group.openingAltitude);
    if (group.canopy) speed(group.canopy->airspeed);
    FallRate& rate = group.fallRate;
    if (rate.kind != FallRate::Kind::TerminalSpeed) continue;
    // The default altitude of a terminal speed is not shown, so there is nothing to round.
    if (rate.atAltitude != kDefaultTerminalAltitude) altitude(rate.atAltitude);
    // A terminal speed given in a unit of its own keeps it; one in the load's unit follows it.
    if (!rate.unit) speed(rate.terminalSpeed);
  }
  return next;
}

}  // namespace tarnwick::load
