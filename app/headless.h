#pragma once

#include <iosfwd>

#include "app/command_line.h"

namespace tarnwick {

// Runs every mode that needs no window (--report, --sweep, --recommend-delay, --help,
// --version): applies the preset and the options as the data entry window would, then Go's
// limits, and writes the results to `out`, warnings and errors to `err`. Returns the exit status.
int RunHeadlessMode(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tarnwick
