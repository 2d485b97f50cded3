#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "app/command_line.h"
#include "load/load_file.h"

namespace tarnwick {

// Reads a load file whole: the checked load, or one line naming the file and the problem.
using LoadFileReader = std::function<load::ReadLoad(const std::string& path)>;

// --load FILE [--recommend] [--best-order] [--json] [--briefing SHEET] [--forecast]: reads the
// file once, through `readFile`; with --forecast replaces its winds by the forecast fetched
// for its drop zone (which needs the process's QCoreApplication); plans the load once; writes the
// briefing sheet when asked, from that same outcome, through the checked write; and only then
// prints the table, or with --json the JSON, to `out`. Any failure is one line on `err`, nothing on
// `out` and status 2, and an earlier sheet is left as it was. A sheet needs the process's
// QGuiApplication.
int RunLoadMode(const LoadCommand& command, std::ostream& out, std::ostream& err,
                const LoadFileReader& readFile);

// The same with the program's load file reader.
int RunLoadMode(const LoadCommand& command, std::ostream& out, std::ostream& err);

}  // namespace tarnwick
