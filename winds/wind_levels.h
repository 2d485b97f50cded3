#pragma once

#include <optional>
#include <string>
#include <vector>

#include "winds/wind_import.h"

// The rules every format's levels pass through once read, so that a bulletin, a sounding and a
// forecast response are kept, refused and ordered alike.
namespace tarnwick::winds {

// A level as read, with where it stands in the text for a refusal ("line 14", "850 hPa").
struct LevelCandidate {
  WindLevelReading reading;
  std::string where;
};

// Leaves out the levels below the ground (`surface`, ft msl, where the format gives it), below
// the drop zone, below sea level or above the highest level a load takes; refuses a kept level
// with a speed or direction out of range; takes a calm level's direction as 0; orders the
// levels from the top down, keeping the first in the text of levels at one altitude. Refuses
// when no level is left.
WindImport FinishLevels(const std::vector<LevelCandidate>& candidates, WindSource source,
                        const ImportOptions& options, std::optional<double> surface);

// A refusal in one line.
WindImport Refusal(std::string error);

}  // namespace tarnwick::winds
