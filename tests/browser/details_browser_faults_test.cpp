// The fault matrix around the details browser, with the real web engine offscreen: every way out
// of the program while a page loads, also in the middle of a run, and the browser closed and
// opened again while it loads. The program must end with status 0 and leave no browser behind,
// and a Details press must always end with a browser on screen that shows the details page.

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include "browser/details_command.h"
#include "fault_checks.h"
#include "real_engine_sanitizer_options.h"

using namespace tarnwick;
using tarnwick::test::CountingProgram;
using tarnwick::test::DeliverWhatIsQueued;
using tarnwick::test::PressCloseBox;
using tarnwick::test::QuitForReal;
using tarnwick::test::RunEventLoopLikeMain;
using tarnwick::test::ScreenVersusScenario;
using tarnwick::test::TakeWayOut;
using tarnwick::test::WayOut;
using tarnwick::test::WhenTrue;
using tarnwick::test::WhenWellIntoTheRun;

namespace {

constexpr int kPageTimeout = 30000;
const QString kDetailsTitle = "Tarnwick Simulation: how the model works";

// The browser window the user sees, if any; it lives in the late-loaded module, so it is found
// by name.
QWidget* VisibleBrowser() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmBrowser" && window->isVisible()) return window;
  }
  return nullptr;
}

int BrowsersAlive() {
  int n = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) n += window->objectName() == "frmBrowser";
  return n;
}

bool Loading(QWidget* browser) {
  auto* poll = browser ? browser->findChild<QTimer*>("timTimer") : nullptr;
  return poll != nullptr && poll->isActive();
}

void TypeAddress(QWidget* browser, const QString& address) {
  auto* box = browser->findChild<QComboBox*>("cboAddress");
  box->setEditText(address);
  QTest::keyClick(box, Qt::Key_Return);
}

// Presses Details and starts loading a page in the browser: the bundled details page itself, or
// a host that can never be resolved.
QWidget* StartLoading(CountingProgram& p, bool unreachable) {
  p.button("CmdWeb")->click();
  QWidget* browser = VisibleBrowser();
  if (browser != nullptr && unreachable) TypeAddress(browser, "nowhere.invalid/");
  return browser;
}

}  // namespace

class DetailsBrowserFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanupTestCase() { CloseDetailsBrowser(); }

  // Exit, Esc and both close boxes while the browser loads a page, with no run and in the middle
  // of one: the browser goes with the other windows and the event loop ends with status 0.
  void everyWayOutWhileAPageLoads_data() {
    QTest::addColumn<WayOut>("way");
    QTest::addColumn<bool>("duringARun");
    for (const auto& [name, way] : tarnwick::test::kWaysOut) {
      QTest::addRow("%s, details page loading", name) << way << false;
      QTest::addRow("%s, unreachable host loading during a run", name) << way << true;
    }
  }

  void everyWayOutWhileAPageLoads() {
    QFETCH(WayOut, way);
    QFETCH(bool, duringARun);
    int status = -2;
    {
      CountingProgram p;
      QuitForReal(p);
      p.ShowThePlot();
      bool loadingWhenTaken = false;
      auto loadThenLeave = [&] {
        QWidget* browser = StartLoading(p, duringARun);
        loadingWhenTaken = Loading(browser) && (!duringARun || p.program.IsRunning());
        TakeWayOut(p, way);
      };
      if (duringARun) {
        WhenWellIntoTheRun(p, loadThenLeave);
        status = RunEventLoopLikeMain([&] { p.button("btnGo")->click(); }, kPageTimeout);
      } else {
        status = RunEventLoopLikeMain(loadThenLeave, kPageTimeout);
      }
      QVERIFY(loadingWhenTaken);
      QCOMPARE(p.quits, 1);
      QVERIFY(!p.program.IsRunning());
      QCOMPARE(p.program.RunsCompleted(), 0);
      QVERIFY(!p.form1().isVisible());
      QVERIFY(!p.form2().isVisible());
      QCOMPARE(BrowsersAlive(), 0);
      const QString differences =
          ScreenVersusScenario(p.form2(), p.program.Module().scenario, duringARun);
      QVERIFY2(differences.isEmpty(), qPrintable(differences));
    }
    QCOMPARE(status, 0);
    DeliverWhatIsQueued();  // what was queued for the windows arrives after they are gone
  }

  // The browser's close box while its page loads, and Details pressed again: at once, before the
  // closed window is gone, or after; with no run and in the middle of one. The press always ends
  // with one browser on screen that loads the details page afresh.
  void closingAndReopeningTheBrowserWhileItLoads_data() {
    QTest::addColumn<bool>("reopenAtOnce");
    QTest::addColumn<bool>("duringARun");
    QTest::newRow("reopened at once") << true << false;
    QTest::newRow("reopened after the close is done") << false << false;
    QTest::newRow("reopened at once during a run") << true << true;
    QTest::newRow("reopened on a later step of a run") << false << true;
  }

  void closingAndReopeningTheBrowserWhileItLoads() {
    QFETCH(bool, reopenAtOnce);
    QFETCH(bool, duringARun);
    CountingProgram p;
    p.ShowThePlot();
    bool closedWhileLoading = false;
    bool reopenedDuringTheRun = false;
    auto closeAndReopen = [&] {
      QWidget* first = StartLoading(p, false);
      closedWhileLoading = Loading(first);
      PressCloseBox(*first);
      auto reopen = [&] {
        p.button("CmdWeb")->click();
        reopenedDuringTheRun = p.program.IsRunning();
      };
      if (reopenAtOnce) {
        reopen();
      } else if (duringARun) {
        // A hundred steps on, still inside the same click on Go.
        const std::size_t closedAt = p.plot().Figures().size();
        WhenTrue(
            &p.form2(), [&p, closedAt] { return p.plot().Figures().size() > closedAt + 400; },
            reopen);
      } else {
        QTimer::singleShot(20, &p.form2(), reopen);
      }
    };
    if (duringARun) {
      WhenWellIntoTheRun(p, closeAndReopen);
      p.button("btnGo")->click();
      QCOMPARE(p.program.RunsCompleted(), 1);
      QCOMPARE(reopenedDuringTheRun, true);
    } else {
      closeAndReopen();
    }
    QVERIFY(closedWhileLoading);
    // The closed window is gone; the one on screen has loaded the details page, and stays.
    auto detailsOnScreen = [] {
      QWidget* browser = VisibleBrowser();
      return browser != nullptr && BrowsersAlive() == 1 && browser->windowTitle() == kDetailsTitle;
    };
    QTRY_VERIFY_WITH_TIMEOUT(detailsOnScreen(), kPageTimeout);
    DeliverWhatIsQueued();
    QVERIFY(detailsOnScreen());
    // Loaded afresh: the list holds only this load's addresses.
    QCOMPARE(VisibleBrowser()->findChild<QComboBox*>("cboAddress")->count(), 2);
    QVERIFY(ScreenVersusScenario(p.form2(), p.program.Module().scenario, duringARun).isEmpty());
    CloseDetailsBrowser();
    QCOMPARE(BrowsersAlive(), 0);
  }
};

int main(int argc, char** argv) {
  // As the program does: the engine's process settings come before the application.
  PrepareDetailsBrowserEngine();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  DetailsBrowserFaultsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "details_browser_faults_test.moc"
