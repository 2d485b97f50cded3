// An edit in the load planner as a user makes it: a delay typed into the groups table of a
// 6-group load, or a level's speed into the winds table of an 8-group load with 40 levels, the
// load flown again, the results, pairs and warnings shown and every picture drawn again and
// painted. Computed on the interface thread here so that the measurement holds
// the whole path; and the best order of those six groups.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "app/load_planner_setup.h"
#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/wind_table_model.h"

namespace {

using namespace tarnwick;

load::Load SixGroups() {
  load::Load load;
  load.jumpRunHeading = 270;
  load::WindLayer upper;
  upper.above = 9000;
  upper.wind = load::DirectedWind{35, 250};
  load::WindLayer middle;
  middle.above = 3000;
  middle.wind = load::Headwind{12};
  load::WindLayer ground;
  ground.wind = load::Headwind{5};
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

// Eight groups under a forecast of 40 levels, every 500 ft from 20000 ft down to 500 ft, the
// wind veering and slowing on the way down.
load::Load EightGroupsFortyLevels() {
  load::Load load = SixGroups();
  load.winds.clear();
  for (int k = 0; k < 40; ++k) {
    load.windLevels.push_back({20000.0 - 500 * k, load::DirectedWind{45.0 - k, 300.0 - 2 * k}});
  }
  for (const char* name : {"Wingsuit", "Camera"}) {
    load::Group group;
    group.name = name;
    group.delay = 9;
    load.groups.push_back(group);
  }
  return load;
}

// Paints every picture of the window into an image, as the screen would on the next frame.
void PaintPictures(QWidget& window) {
  for (const char* name : {"sideView", "topView", "windProfile"}) {
    QWidget* view = window.findChild<QWidget*>(QString::fromLatin1(name));
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    view->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}

void BM_EditAndShowSixGroups(benchmark::State& state) {
  const auto window = MakeLoadPlanner();
  window->SetSynchronous(true);
  window->resize(1500, 920);
  window->StartWith(SixGroups());
  GroupTableModel& groups = window->Groups();
  const QModelIndex delay = groups.index(3, GroupTableModel::Delay);
  bool longer = false;
  for (auto _ : state) {
    longer = !longer;
    groups.setData(delay, longer ? QStringLiteral("10") : QStringLiteral("9"), Qt::EditRole);
    QCoreApplication::processEvents();
    PaintPictures(*window);
    benchmark::DoNotOptimize(window->Answer());
  }
}
BENCHMARK(BM_EditAndShowSixGroups)->Unit(benchmark::kMillisecond);

// A level's speed typed into the winds table of an 8-group load with 40 levels: the load flown
// again through the levels, the answer shown, the winds picture and both views painted.
void BM_EditALevelOfEightGroupsFortyLevels(benchmark::State& state) {
  const auto window = MakeLoadPlanner();
  window->SetSynchronous(true);
  window->resize(1500, 920);
  if (!window->StartWith(EightGroupsFortyLevels())) {
    state.SkipWithError("the load was refused");
    return;
  }
  WindTableModel& winds = window->Winds();
  const QModelIndex speed = winds.index(20, WindTableModel::Speed);
  bool faster = false;
  for (auto _ : state) {
    faster = !faster;
    winds.setData(speed, faster ? QStringLiteral("30") : QStringLiteral("25"), Qt::EditRole);
    QCoreApplication::processEvents();
    PaintPictures(*window);
    benchmark::DoNotOptimize(window->Answer());
  }
}
BENCHMARK(BM_EditALevelOfEightGroupsFortyLevels)->Unit(benchmark::kMillisecond);

void BM_BestOrderOfSixGroups(benchmark::State& state) {
  const auto window = MakeLoadPlanner();
  window->SetSynchronous(true);
  window->StartWith(SixGroups());
  for (auto _ : state) {
    window->FindBestOrder();
    benchmark::DoNotOptimize(window->BestOrderText());
  }
}
BENCHMARK(BM_BestOrderOfSixGroups)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
