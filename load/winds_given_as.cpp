// Turning a load's winds from layers into levels and back (GiveWindsAs in load/load_edits.h).
#include <cmath>
#include <string>

#include "load/load_edits.h"
#include "load/load_limits.h"
#include "load/quantity_text.h"

namespace tarnwick::load {
namespace {

// One step of the altitude unit, in feet: 1 ft or 1 m (units.h).
double AltitudeStep(const Units& units) {
  return ToFeet(1, units.altitude);
}

bool SameWind(const LayerWind& a, const LayerWind& b) {
  if (a.index() != b.index()) return false;
  if (const auto* headwind = std::get_if<Headwind>(&a)) {
    return headwind->component == std::get<Headwind>(b).component;
  }
  const auto& directed = std::get<DirectedWind>(a);
  const auto& other = std::get<DirectedWind>(b);
  return directed.speed == other.speed && directed.from == other.from;
}

double SpeedOf(const LayerWind& wind) {
  if (const auto* headwind = std::get_if<Headwind>(&wind)) return std::abs(headwind->component);
  return std::get<DirectedWind>(wind).speed;
}

EditOutcome AsLevels(const Load& load) {
  const std::vector<WindLayer>& layers = load.winds;
  std::vector<WindLevel> levels;
  if (layers.size() < 2) {
    // One wind from the exit down (calm without a layer): one level says it.
    levels.push_back({load.exitAltitude, layers.empty() ? LayerWind{} : layers.front().wind});
  }
  const double step = AltitudeStep(load.units);
  for (std::size_t i = 0; i + 1 < layers.size(); ++i) {
    const double base = *layers[i].above;
    levels.push_back({base, layers[i].wind});
    // The layer below blows from a step under this base; one as thin as a step or thinner
    // starts at its own base.
    const double below = base - step;
    const double nextBase = layers[i + 1].above.value_or(-step);
    if (below > nextBase && below >= 0) levels.push_back({below, layers[i + 1].wind});
  }
  if (levels.size() > static_cast<std::size_t>(limits::kMaxWindLevels)) {
    return EditRefusal{std::to_string(layers.size()) + " layers make " +
                       std::to_string(levels.size()) + " levels, more than the " +
                       std::to_string(limits::kMaxWindLevels) + " a load may have"};
  }
  EditedLoad edited{load, std::nullopt, std::vector<int>(layers.size(), -1)};
  edited.load.winds.clear();
  edited.load.windLevels = std::move(levels);
  return edited;
}

EditOutcome AsLayers(const Load& load) {
  const std::vector<WindLevel>& levels = load.windLevels;
  std::vector<WindLayer> layers;
  for (std::size_t k = 0; k < levels.size(); ++k) {
    WindLayer layer{std::nullopt, levels[k].wind};
    if (k + 1 < levels.size()) {
      layer.above =
          RoundedFeet((levels[k].altitude + levels[k + 1].altitude) / 2, load.units.altitude);
      // Wholly above the exit: never flown. Levels less than a step apart may leave no room
      // between two rounded bases: the lower level's layer is then left out.
      if (*layer.above >= load.exitAltitude) continue;
      if (!layers.empty() && *layer.above >= *layers.back().above) continue;
    }
    if (SpeedOf(layer.wind) > limits::kMaxLayerSpeed) {
      return EditRefusal{"Level " + std::to_string(k + 1) + " blows " +
                         QuantityText(Quantity::Speed, SpeedOf(layer.wind), load.units) +
                         ", faster than a layer may (" +
                         QuantityText(Quantity::Speed, limits::kMaxLayerSpeed, load.units) + ")"};
    }
    if (!layers.empty() && SameWind(layers.back().wind, layer.wind)) {
      layers.back().above = layer.above;  // one layer blowing alike over both bands
    } else {
      layers.push_back(layer);
    }
  }
  EditedLoad edited{load, std::nullopt, std::vector<int>(levels.size(), -1)};
  edited.load.windLevels.clear();
  edited.load.windSource.reset();
  edited.load.winds = std::move(layers);
  return edited;
}

}  // namespace

WindsGiven WindsGivenOf(const Load& load) {
  return HasWindLevels(load) ? WindsGiven::Levels : WindsGiven::Layers;
}

EditOutcome GiveWindsAs(const Load& load, WindsGiven given) {
  if (WindsGivenOf(load) == given) {
    const std::size_t rows =
        given == WindsGiven::Levels ? load.windLevels.size() : load.winds.size();
    EditedLoad same{load, std::nullopt, std::vector<int>(rows)};
    for (std::size_t r = 0; r < rows; ++r) same.newRowOf[r] = static_cast<int>(r);
    return same;
  }
  return given == WindsGiven::Levels ? AsLevels(load) : AsLayers(load);
}

}  // namespace tarnwick::load
