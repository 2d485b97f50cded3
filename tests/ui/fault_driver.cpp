// Preloaded into the real tarnwick executable by real_program_faults_test: acts on the windows
// from inside the process as a user would, at the moment the case names, so that the test sees
// how the unmodified program ends. Does nothing unless TARNWICK_FAULT_CASE is set, to
// "<way out> <moment>": way out one of exit, esc, data-entry-close-box, main-window-close-box;
// moment one of drawing, paused, details-loading, details-reopened (the details browser
// opened, closed and opened again in the middle of a run). Says what it did on stderr.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

namespace {

// Deep enough into a run that it is well under way, far from its end (a run yields some
// thousands of times).
constexpr int kYieldsIntoTheRun = 200;

void Say(const char* what) {
  std::fprintf(stderr, "fault driver: %s\n", what);
  std::fflush(stderr);
}

QWidget* Window(const char* title) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowTitle() == QLatin1String(title) && window->isVisible()) return window;
  }
  return nullptr;
}

template <typename T>
T* Control(QWidget* window, const char* name) {
  return window != nullptr ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

void TakeWayOut(const QString& way) {
  QWidget* dataEntry = Window("Tarnwick data");
  QWidget* mainWindow = Window("Tarnwick Simulation");
  if (dataEntry == nullptr || mainWindow == nullptr) return Say("windows gone before the way out");
  Say("taking the way out");
  if (way == "exit") {
    Control<QPushButton>(dataEntry, "Cmdexit")->click();
  } else if (way == "esc") {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(Control<QLineEdit>(dataEntry, "TxtUwind"), &press);
  } else if (way == "data-entry-close-box") {
    dataEntry->windowHandle()->close();
  } else if (way == "main-window-close-box") {
    mainWindow->windowHandle()->close();
  } else {
    return Say("unknown way out");
  }
  Say("way out taken");
}

void Drive() {
  const QStringList parts = qEnvironmentVariable("TARNWICK_FAULT_CASE").split(' ');
  if (parts.size() != 2) return Say("bad case");
  const QString way = parts[0];
  const QString moment = parts[1];
  QWidget* dataEntry = Window("Tarnwick data");
  QWidget* mainWindow = Window("Tarnwick Simulation");
  auto* next = Control<QPushButton>(mainWindow, "btnNext");
  auto* go = Control<QPushButton>(dataEntry, "btnGo");
  if (next == nullptr || go == nullptr) return Say("windows not found");
  next->click();
  if (moment == "details-loading") {
    Control<QPushButton>(dataEntry, "CmdWeb")->click();
    Say("details loading");
    return TakeWayOut(way);
  }
  // Ticks at every yield of the run that the click on Go starts.
  auto* yields = new QTimer(qApp);
  yields->setInterval(0);
  auto* count = new int(0);
  QObject::connect(yields, &QTimer::timeout, qApp, [yields, count, way, moment, dataEntry] {
    if (++*count != kYieldsIntoTheRun) return;
    yields->stop();
    if (moment == "details-reopened") {
      auto* details = Control<QPushButton>(dataEntry, "CmdWeb");
      details->click();
      QWidget* browser = Window("Web Browser");
      if (browser == nullptr) return Say("no browser");
      browser->windowHandle()->close();
      details->click();
      Say("details reopened");
      return TakeWayOut(way);
    }
    if (moment == "paused") {
      Control<QPushButton>(dataEntry, "CmdFreeze")->click();
      Say("paused");
      QTimer::singleShot(30, qApp, [way] { TakeWayOut(way); });
      return;
    }
    Say("drawing");
    TakeWayOut(way);
  });
  yields->start();
  go->click();
  Say("Go returned");
}

void Install() {
  if (qEnvironmentVariableIsEmpty("TARNWICK_FAULT_CASE")) return;
  // Runs once the event loop runs, when the program has shown its windows.
  QTimer::singleShot(0, qApp, Drive);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
