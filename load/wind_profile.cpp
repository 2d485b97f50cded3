#include "load/wind_profile.h"

#include <algorithm>
#include <cmath>

namespace tarnwick::load {

WindProfile::WindProfile(const Load& load) : levels_(HasWindLevels(load)) {
  if (levels_) {
    for (const WindLevel& level : load.windLevels) {
      altitudes_.push_back(level.altitude);
      winds_.push_back(TrackWindOf(level.wind, load.jumpRunHeading));
    }
    slopes_.resize(winds_.size());
    for (std::size_t s = 1; s < winds_.size(); ++s) {
      const double span = altitudes_[s - 1] - altitudes_[s];
      slopes_[s] = {(winds_[s - 1].headwind - winds_[s].headwind) / span,
                    (winds_[s - 1].cross - winds_[s].cross) / span};
    }
    return;
  }
  for (const WindLayer& layer : load.winds) {
    if (layer.above) altitudes_.push_back(*layer.above);
    winds_.push_back(TrackWindOf(layer, load.jumpRunHeading));
  }
}

double WindProfile::FastestWind() const {
  double fastest = 0;
  for (const TrackWind& wind : winds_)
    fastest = std::max(fastest, std::hypot(wind.headwind, wind.cross));
  return fastest;
}

TrackWind WindProfile::At(double altitude, Hint& hint) const {
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
