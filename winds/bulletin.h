#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "winds/wind_import.h"

// The aviation winds and temperatures aloft bulletin (the "FB"/"FD" text product): header
// lines, an "FT" line naming the levels in feet, and one fixed-column line per station whose
// groups stand under the level names.
namespace tarnwick::winds {

// True for the line that names a bulletin's levels: "FT" and whole numbers of feet.
bool IsLevelNamesLine(std::string_view line);

WindImport ImportBulletin(std::string_view text, const ImportOptions& options);
std::vector<std::string> StationsOfBulletin(std::string_view text);

}  // namespace tarnwick::winds
