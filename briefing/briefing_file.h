#pragma once

#include <string>

#include "briefing/briefing_sheet.h"

namespace tarnwick {

// Why `path` cannot take a briefing sheet, found before any work: a name that ends in none of
// .pdf, .png and .svg, or anything OutputFileProblem finds. Empty when nothing is known to
// stand in the way.
std::string BriefingFileProblem(const std::string& path);

// The name a sheet stands under when its load has none: the load file's name without its
// extensions ("Saturday 3" for "Saturday 3.tarnwick-load.json"), "Untitled" without a file.
std::string BriefingNameForFile(const std::string& loadFileName);
// Today's date as the sheet prints it (ISO, so it reads the same everywhere).
std::string BriefingDateToday();

// Writes the sheet as one A4 page of PDF, or as a PNG or SVG picture of that page, by the
// extension of `path`, through WriteWholeFile, so a failure leaves an earlier file of that name
// as it was. Needs the process's QGuiApplication. False
// with a one-line reason in `error`.
bool WriteBriefing(const std::string& path, const BriefingSheet& sheet, std::string& error);

}  // namespace tarnwick
