// A long session in one process, for measuring memory: builds the windows as the program does,
// presses Go the given number of times (200 by default) and prints the resident memory and the
// heap in use after chosen runs. Run it offscreen, alone or under a heap profiler:
//   QT_QPA_PLATFORM=offscreen long_session 200
//   QT_QPA_PLATFORM=offscreen valgrind --tool=massif long_session 200
// A session that keeps nothing from run to run shows the same figures after run 10 and run 200.

#include <malloc.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "app/form1.h"
#include "app/program.h"
#include "entry/form2.h"

namespace {

double ResidentMegabytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

double HeapInUseMegabytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd) / (1 << 20);
}

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
  program.MainWindow().Next();
  auto* go = program.DataEntry().findChild<QPushButton*>(QStringLiteral("btnGo"));
  std::printf("run  resident MB  heap in use MB\n");
  for (int run = 1; run <= runs; ++run) {
    go->click();
    // Let the windows paint what the run drew, as they would between two presses.
    QCoreApplication::processEvents();
    if (Reported(run, runs)) {
      std::printf("%3d  %11.1f  %14.2f\n", run, ResidentMegabytes(), HeapInUseMegabytes());
      std::fflush(stdout);
    }
  }
  return program.RunsCompleted() == runs ? 0 : 1;
}
