#include "planner/sweep.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace tarnwick {

unsigned DefaultSweepThreads() {
  return std::max(1u, std::thread::hardware_concurrency());
}

std::vector<RunResult> RunAll(const std::vector<Scenario>& scenarios, unsigned threads) {
  std::vector<RunResult> results(scenarios.size());
  // Runs are handed out one at a time: their lengths differ (a slow faller falls longer), so
  // fixed blocks would leave a core idle at the end.
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < scenarios.size(); i = next++) {
      Module1 module;
      module.scenario = scenarios[i];
      results[i] = RunSimulation(module, nullptr, nullptr, nullptr).result;
    }
  };
  const std::size_t workers = std::min<std::size_t>(std::max(1u, threads), scenarios.size());
  if (workers <= 1) {
    work();
    return results;
  }
  {
    // Every worker must have finished writing before the results are handed back.
    std::vector<std::jthread> pool;
    pool.reserve(workers - 1);
    for (std::size_t t = 1; t < workers; ++t) pool.emplace_back(work);
    work();
  }
  return results;
}

std::vector<SweepRow> RunSweep(const SweepRange& range, const PrepareForValue& prepare,
                               unsigned threads) {
  std::vector<SweepRow> rows(range.Count());
  std::vector<Scenario> scenarios(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    rows[i].index = i;
    rows[i].run = prepare(range.Text(i));
    scenarios[i] = rows[i].run.scenario;
  }
  const std::vector<RunResult> results = RunAll(scenarios, threads);
  for (std::size_t i = 0; i < rows.size(); ++i) rows[i].result = results[i];
  return rows;
}

}  // namespace tarnwick
