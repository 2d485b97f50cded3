// A long session in one process, for measuring memory: builds the windows as the program does,
// presses Go the given number of times (200 by default) and prints the resident memory and the
// heap in use after chosen runs. Run it offscreen, alone or under a heap profiler:
//   QT_QPA_PLATFORM=offscreen long_session 200
//   QT_QPA_PLATFORM=offscreen valgrind --tool=massif long_session 200
// A session that keeps nothing from run to run shows the same figures after run 10 and run 200.

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "bench/memory_use.h"
#include "entry/form2.h"
#include "sim/decimal_text.h"

namespace {

bool Reported(int run, int runs) {
  return run == 1 || run == 10 || run % 50 == 0 || run == runs;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  tarnwick::Program program("", {});
  program.DataEntry().inputWarning = [] {};
  program.quitApplication = [] {};
  program.Show();
  program.MainWindow().btnNext_Click();
  auto* go = program.DataEntry().findChild<QPushButton*>(QStringLiteral("btnGo"));
  std::printf("run  resident MB  heap in use MB\n");
  for (int run = 1; run <= runs; ++run) {
    go->click();
    // Let the windows paint what the run drew, as they would between two presses.
    QCoreApplication::processEvents();
    if (Reported(run, runs)) {
      // The application object switched the C library to the user's locale: no printf of
      // fractions here.
      const std::string resident = tarnwick::FixedText(tarnwick::ResidentMegabytes(), 1);
      const std::string heap = tarnwick::FixedText(tarnwick::HeapInUseMegabytes(), 2);
      std::printf("%3d  %11s  %14s\n", run, resident.c_str(), heap.c_str());
      std::fflush(stdout);
    }
  }
  return program.RunsCompleted() == runs ? 0 : 1;
}
