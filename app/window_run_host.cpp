#include "app/window_run_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace tarnwick {
namespace {

// Runs the event loop for `ms` milliseconds, sleeping whenever there is nothing to do. Ends at
// once when the application quits.
void ProcessEventsFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

void WindowRunHost::Yield() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WindowRunHost::WaitWhilePaused() {
  if (ShouldStop()) return;
  // Returns as soon as an event has been handled, so Resume, Go and Exit act at once.
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void WindowRunHost::SlowPlottingDelay() {
  if (ShouldStop()) return;
  ProcessEventsFor(kSlowPlottingDelayMs);
}

}  // namespace tarnwick
