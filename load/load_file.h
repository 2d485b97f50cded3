#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "load/load_model.h"

namespace tarnwick::load {

inline constexpr const char* kLoadFormatName = "tarnwick-load";
inline constexpr int kLoadFormatVersion = 1;

struct ReadLoad {
  std::optional<Load> load;
  std::string error;  // one line naming the field and the problem, when load is empty
};

// Reads a load file's text. Every check a load must pass is made here, LoadProblem() included:
// the text must be JSON within the limits of load/load_limits.h (nesting, numbers a double
// holds), with no field given twice and none the format does not know. Never throws; the error
// names the field ("groups[0].delay: ...", a group by its number and name) or, when the text is
// not JSON, the place ("line 3, column 14: expected a value"), and echoes only escaped names.
ReadLoad ReadLoadText(std::string_view text);

// Reads the load file at `path`: a regular file of at most limits::kMaxLoadFileBytes, opened
// without ever blocking and read once, then ReadLoadText. The error is one line that starts
// with the quoted, escaped path: "saturday.json": line 3, column 14: expected a value.
ReadLoad ReadLoadFile(const std::string& path);

// The load as a file's text, in its own units; ReadLoadText gives it back.
std::string WriteLoadText(const Load& load);

}  // namespace tarnwick::load
