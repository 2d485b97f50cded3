#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnwick {

// True when the arguments ask for a briefing sheet (--briefing), which the load command
// itself does not draw.
bool AsksForBriefing(const std::vector<std::string>& arguments);

// --load FILE [--recommend] [other load options] --briefing FILE.pdf|.png|.svg: what --load
// prints, and the load's briefing sheet, flown as --load flies it, written to the file.
// Status 2 with one line on `err` and nothing on `out` when the load, the command line or the
// file cannot be used; an earlier sheet of that name is then left as it was.
int RunLoadBriefingCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err);

}  // namespace tarnwick
