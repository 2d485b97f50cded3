// A load file of arbitrary bytes. Reading and checking it never crashes or throws, and a refusal
// is one line. A load that is accepted writes back to a file that reads again, and is flown and
// planned (recommended delays and the best order) to finite numbers. Groups and layers are cut
// to a few, which keeps a load valid, so that one execution stays within milliseconds.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "load/load_file.h"
#include "load/load_outcome.h"

namespace {

constexpr std::size_t kMaxGroups = 4;
constexpr std::size_t kMaxLayers = 8;

void Check(bool condition) {
  if (!condition) std::abort();
}

bool Finite(double value) {
  return std::isfinite(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarnwick::load;
  const ReadLoad read = ReadLoadText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!read.load) {
    Check(!read.error.empty() && read.error.find('\n') == std::string::npos);
    return 0;
  }
  Check(read.error.empty());
  const ReadLoad again = ReadLoadText(WriteLoadText(*read.load));
  Check(again.load.has_value());

  Load load = *read.load;
  if (load.groups.size() > kMaxGroups) load.groups.resize(kMaxGroups);
  if (load.winds.size() > kMaxLayers) {
    load.winds.resize(kMaxLayers);
    load.winds.back().above.reset();  // the last layer reaches the ground
  }
  Check(!LoadProblem(load));

  LoadRequest request;
  request.recommend = true;
  request.bestOrder = true;
  const LoadOutcome outcome = PlanLoad(load, request);
  Check(outcome.flight.groups.size() == load.groups.size());
  for (const GroupResult& group : outcome.flight.groups) {
    Check(group.opened && Finite(group.fallTime) && Finite(group.openingDownrange) &&
          Finite(group.openingCrossrange));
  }
  for (const PairResult& pair : outcome.flight.pairs) Check(Finite(pair.separation));
  // A least separation exactly when there is a pair.
  const auto& least = outcome.flight.minimumSeparation;
  Check(least.has_value() == !outcome.flight.pairs.empty());
  Check(!least || Finite(*least));
  return 0;
}
