// One fast-mode run of the longest scenario (exit delay 30 s, fast then slow: 9,547 steps) as
// the window does it: drawing every figure, yielding to the event loop every step, repainting
// the shown plot at display rate.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/form1.h"
#include "app/program.h"
#include "entry/form2.h"

namespace {

void BM_WindowRunLongestScenario(benchmark::State& state) {
  tarnwick::Program program("", {});
  program.DataEntry().inputWarning = [] {};
  program.quitApplication = [] {};
  program.Show();
  program.MainWindow().btnNext_Click();
  tarnwick::Form2& form = program.DataEntry();
  form.findChild<QLineEdit*>("TxtExdelay")->setText("30");
  form.findChild<QComboBox*>("cmbFirst")->setCurrentIndex(0);
  form.findChild<QComboBox*>("CmbSecond")->setCurrentIndex(1);
  QPushButton* go = form.findChild<QPushButton*>("btnGo");
  QCoreApplication::processEvents();

  for (auto _ : state) {
    go->click();
    if (program.RunsCompleted() == 0) state.SkipWithError("the run did not complete");
  }
  state.counters["figures"] =
      static_cast<double>(program.MainWindow().PlotCanvas().Figures().size());
}
BENCHMARK(BM_WindowRunLongestScenario)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // Measured without a screen unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
