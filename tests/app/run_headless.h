#pragma once

// Runs the program's command-line modes in process, as main() does without a display, and
// keeps what they print.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"

namespace tarnwick::test {

struct Output {
  int status = -1;
  std::string out, err;
};

inline Output RunTarnwick(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.commandLine.has_value()) << parsed.error;
  if (!parsed.commandLine) return {};
  std::ostringstream out, err;
  Output result;
  result.status = RunHeadlessMode(*parsed.commandLine, out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

}  // namespace tarnwick::test
