// Any argument list either parses or is refused with a one-line message; nothing crashes.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Arguments are separated by NUL bytes, as they arrive in argv.
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      arguments.emplace_back();
    } else {
      arguments.back().push_back(static_cast<char>(data[i]));
    }
  }
  const tarnwick::ParsedCommandLine parsed = tarnwick::ParseCommandLine(arguments);
  if (!parsed.commandLine &&
      (parsed.error.empty() || parsed.error.find('\n') != std::string::npos)) {
    std::abort();
  }
  return 0;
}
