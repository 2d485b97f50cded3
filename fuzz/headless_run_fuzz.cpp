// The whole headless report on arbitrary option texts: Go's limits always bring the inputs into
// range, so every run ends and reports finite numbers.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // NUL-separated pieces fill the scenario options in turn; the last byte picks the switches.
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      pieces.emplace_back();
    } else {
      pieces.back().push_back(static_cast<char>(data[i]));
    }
  }
  const char* names[] = {"--ias", "--upper-wind", "--lower-wind", "--wind-change-altitude",
                         "--exit-delay"};
  std::vector<std::string> arguments = {"--report"};
  for (std::size_t i = 0; i < pieces.size() && i < 5; ++i) {
    arguments.push_back(names[i]);
    arguments.push_back(pieces[i]);
  }
  if (pieces.size() > 5) arguments.push_back(pieces[5]);  // the preset argument
  const std::uint8_t bits = size > 0 ? data[size - 1] : 0;
  arguments.push_back(bits & 1 ? "--upper-tailwind" : "--upper-headwind");
  arguments.push_back(bits & 2 ? "--lower-tailwind" : "--lower-headwind");
  arguments.push_back(bits & 4 ? "--first=slow" : "--first=fast");
  arguments.push_back(bits & 8 ? "--second=slow" : "--second=fast");

  const tarnwick::ParsedCommandLine parsed = tarnwick::ParseCommandLine(arguments);
  if (!parsed.commandLine) return 0;  // e.g. a preset piece that looks like an option
  std::ostringstream out, err;
  if (tarnwick::RunHeadlessMode(*parsed.commandLine, out, err) != 0) std::abort();
  const std::string report = out.str();
  if (report.find("nan") != std::string::npos || report.find("inf") != std::string::npos) {
    std::abort();
  }
  return 0;
}
