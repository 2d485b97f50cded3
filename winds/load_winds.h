#pragma once

#include <optional>
#include <string>

#include "load/load_model.h"
#include "winds/wind_import.h"

namespace tarnwick::winds {

struct LoadWithLevels {
  std::optional<load::Load> load;
  std::string error;  // one line, when the load cannot fly the levels
};

// The one place where imported levels replace a load's winds, for a file, a paste or a fetched
// forecast alike: the layers or levels it had give way to the levels, and the source is kept
// with them (each of its texts shortened to limits::kMaxSourceTextLength characters). Refused
// with LoadProblem's line when the load cannot fly them (no jump run heading for a direction,
// a crosswind at exit altitude the aircraft cannot hold).
LoadWithLevels WithWindLevels(const load::Load& load, const ImportedWinds& imported);

}  // namespace tarnwick::winds
