// Placeholders until the load's planning, files and command are written.
#include <ostream>

#include "load/load_command.h"
#include "load/load_file.h"
#include "load/load_plan.h"

namespace tarnwick::load {

std::vector<Warning> LoadWarnings(const Load&, const LoadFlight&, const DelayPlan*) {
  return {};
}
ReadLoad ReadLoadText(std::string_view) {
  return {std::nullopt, "not yet"};
}
std::string WriteLoadText(const Load&) {
  return "{}";
}
std::string WriteResultJson(const Load&, const LoadFlight&, const std::vector<Warning>&,
                            const DelayPlan*, const BestOrder*) {
  return "{}";
}
int RunLoadCommand(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "tarnwick: --load is not available yet\n";
  return 2;
}

}  // namespace tarnwick::load
