#pragma once

#include <cstddef>
#include <vector>

#include "load/load_model.h"

namespace tarnwick::load {

// A load's winds made ready for flying: each layer's or level's wind in track coordinates is
// worked out once, and a lookup starts from where the last one of the same falling body ended,
// since a body only sinks. Every flight and the planner's shifted flight ask this, so they fly
// the same wind bit for bit; WindAt(load, h) is At(h) of the load's profile.
class WindProfile {
 public:
  explicit WindProfile(const Load& load);

  // Where a body's last lookup ended; start one at 0 (or anywhere: it is only a hint).
  using Hint = std::size_t;

  // The wind at altitude h.
  TrackWind At(double altitude, Hint& hint) const;
  TrackWind At(double altitude) const {
    Hint hint = 0;
    return At(altitude, hint);
  }
  // The fastest wind at any altitude, ft/s: a layer's or a level's, since a wind between two
  // levels is their weighted mean.
  double FastestWind() const;

 private:
  bool levels_ = false;
  // Layers: the bases of every layer but the last, from the top down; the layer holding h is
  // the number of bases at or above h. Levels: their altitudes from the top down; h lies in
  // segment s, below s levels.
  std::vector<double> altitudes_;
  std::vector<TrackWind> winds_;  // per layer or level
  // Levels: the change of each component per foot from level s to level s - 1 (index s).
  std::vector<TrackWind> slopes_;
};

// Inline: a flight asks it twice for every group in every step.
inline TrackWind WindProfile::At(double altitude, Hint& hint) const {
  if (winds_.empty()) return {};
  const std::size_t n = altitudes_.size();
  std::size_t s = hint < n ? hint : n;
  if (!levels_) {
    // A point at h is in the first layer whose base is strictly below h.
    while (s > 0 && !(altitudes_[s - 1] >= altitude)) --s;
    while (s < n && altitudes_[s] >= altitude) ++s;
    hint = s;
    return winds_[s];
  }
  // Segment s lies below s levels: from altitudes_[s - 1] (exclusive) down to altitudes_[s].
  while (s > 0 && altitudes_[s - 1] <= altitude) --s;
  while (s < n && altitudes_[s] > altitude) ++s;
  hint = s;
  if (s == 0) return winds_.front();
  if (s == n) return winds_.back();
  // Measured from the lower level, so that at a level's own altitude its wind is exact.
  const double above = altitude - altitudes_[s];
  return {winds_[s].headwind + slopes_[s].headwind * above,
          winds_[s].cross + slopes_[s].cross * above};
}

}  // namespace tarnwick::load
