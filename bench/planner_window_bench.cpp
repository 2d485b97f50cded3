// An edit in the load planner as a user makes it: a delay typed into the groups table of a
// 6-group load, the load flown again and the results, pairs and warnings shown. Computed on
// the interface thread here so that the measurement holds the whole path.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"

namespace {

using namespace tarnwick;

load::Load SixGroups() {
  load::Load load;
  load.jumpRunHeading = 270;
  load::WindLayer upper;
  upper.above = 9000;
  upper.hasDirection = true;
  upper.speed = 35;
  upper.from = 250;
  load::WindLayer middle;
  middle.above = 3000;
  middle.headwind = 12;
  load::WindLayer ground;
  ground.headwind = 5;
  load.winds = {upper, middle, ground};
  const char* names[] = {"Belly 8", "Belly 4", "Freefly 3", "Freefly 2", "Student", "Tandem"};
  for (int i = 0; i < 6; ++i) {
    load::Group group;
    group.name = names[i];
    group.fallRate.kind =
        i >= 2 && i <= 3 ? load::FallRate::Kind::Fast : load::FallRate::Kind::Slow;
    group.openingAltitude = i == 5 ? 5500 : 3000;
    group.delay = 9;
    load.groups.push_back(group);
  }
  return load;
}

void BM_EditAndShowSixGroups(benchmark::State& state) {
  LoadPlannerWindow window;
  window.SetSynchronous(true);
  window.StartWith(SixGroups());
  GroupTableModel& groups = window.Groups();
  const QModelIndex delay = groups.index(3, GroupTableModel::Delay);
  bool longer = false;
  for (auto _ : state) {
    longer = !longer;
    groups.setData(delay, longer ? QStringLiteral("10") : QStringLiteral("9"), Qt::EditRole);
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(window.Answer());
  }
}
BENCHMARK(BM_EditAndShowSixGroups)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
