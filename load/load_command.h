#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tarnwick::load {

// --load FILE [--recommend] [--best-order] [--json]: reads the load, flies it (at the
// recommended delays with --recommend) and prints a table or, with --json, the result as JSON.
// `arguments` are the program's arguments after its name. Returns the exit status: 0, or 2 for
// a load file or command line that cannot be used (one line on `err`, nothing on `out`).
int RunLoadCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace tarnwick::load
