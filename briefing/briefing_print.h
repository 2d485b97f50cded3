#pragma once

#include "briefing/briefing_sheet.h"

class QPrinter;

namespace tarnwick {

// Prints the sheet on one page of `printer`, as large as the page's printable area allows.
// False when the printer could not be started.
bool PrintBriefing(QPrinter& printer, const BriefingSheet& sheet);

}  // namespace tarnwick
