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

}  // namespace tarnwick::load
