#pragma once

#include <string_view>

#include "winds/utc_time.h"
#include "winds/wind_import.h"

// A model or balloon sounding in the public sounding service's text format: a header line with
// the sounding's type and time (a model sounding has a title and a CAPE line with it), header
// lines of types 1, 2 and 3 (type 3 names the wind speed unit), and one line per level.
namespace tarnwick::winds {

// True for a sounding's first header line: its type ("254", "RAOB", a model's name), hour,
// day, month ("Jun") and year.
bool IsSoundingHeader(std::string_view line);

WindImport ImportSounding(std::string_view text, const ImportOptions& options,
                          std::optional<UtcSeconds> asked);

}  // namespace tarnwick::winds
