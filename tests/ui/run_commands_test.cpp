// Go, Pause and Exit around a real run: a paused run holds, Exit ends the program cleanly in
// the middle of a run or a pause, Go during a run replaces it with exactly one new report, and
// Go before Next still shows the plot.

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "sim/report.h"
#include "sim/simulation.h"
#include "ui_test_support.h"

using namespace tarnwick;
using tarnwick::test::Count;
using tarnwick::test::CountingProgram;
using tarnwick::test::ExpectedReport;
using tarnwick::test::PrintedLines;
using tarnwick::test::WhenWellIntoTheRun;

// How many events a paused run lets through before the test resumes it.
constexpr int kEventsWhilePaused = 50;

class RunCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void pauseAndResumeWithoutARun() {
    CountingProgram p;
    QPushButton* freeze = p.button("CmdFreeze");
    freeze->click();
    QCOMPARE(freeze->text(), QStringLiteral("Resume"));
    QCOMPARE(p.program.Module().scenario.paused, kTrue);
    freeze->click();
    QCOMPARE(freeze->text(), QStringLiteral("Pause"));
    QCOMPARE(p.program.Module().scenario.paused, kFalse);
    // Left paused, the next Go resets it and runs to the end.
    freeze->click();
    p.button("btnGo")->click();
    QCOMPARE(freeze->text(), QStringLiteral("Pause"));
    QCOMPARE(p.program.RunsCompleted(), 1);
  }

  void aRunDrawsAndReports() {
    CountingProgram p;
    p.ShowThePlot();
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsCompleted(), 1);
    QVERIFY(!p.program.IsRunning());
    QVERIFY(p.plot().FiguresAdded() > 20000);
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(p.program.Module().scenario));
    // The note under the plot.
    QCOMPARE(p.plot().Texts().back(), std::string(" after 1st group exits. "));
  }

  void pauseHoldsTheRunAndResumeContinuesIt() {
    CountingProgram p;
    p.ShowThePlot();
    QPushButton* freeze = p.button("CmdFreeze");
    std::size_t whenPaused = 0;
    std::size_t afterWaiting = 0;
    int eventsWhilePaused = 0;
    QString captionWhilePaused;
    QObject scope;
    QTimer ticks(&scope);
    ticks.setInterval(0);
    // Events keep flowing while paused: a run of timer events arrives inside the pause, and
    // the last of them resumes the run.
    connect(&ticks, &QTimer::timeout, &scope, [&] {
      if (++eventsWhilePaused < kEventsWhilePaused) return;
      ticks.stop();
      afterWaiting = p.plot().Figures().size();
      freeze->click();
    });
    WhenWellIntoTheRun(p, [&] {
      freeze->click();
      captionWhilePaused = freeze->text();
      whenPaused = p.plot().Figures().size();
      ticks.start();
    });
    p.button("btnGo")->click();
    QCOMPARE(captionWhilePaused, QStringLiteral("Resume"));
    QVERIFY(whenPaused > 0);
    QCOMPARE(eventsWhilePaused, kEventsWhilePaused);
    QCOMPARE(afterWaiting, whenPaused);  // nothing was drawn while paused
    QCOMPARE(freeze->text(), QStringLiteral("Pause"));
    QCOMPARE(p.program.RunsCompleted(), 1);  // the same run went on to its end
    QCOMPARE(p.program.RunsStarted(), 1);
    QCOMPARE(Count(PrintedLines(p.results()), " Jumper 1"), std::size_t{1});
  }

  void exitDuringARunEndsItAtOnce() {
    CountingProgram p;
    p.ShowThePlot();
    WhenWellIntoTheRun(p, [&] { p.button("Cmdexit")->click(); });
    p.button("btnGo")->click();
    // The click returned: the run stopped without finishing or reporting.
    QVERIFY(!p.program.IsRunning());
    QVERIFY(p.program.IsEnding());
    QCOMPARE(p.program.RunsCompleted(), 0);
    QVERIFY(p.results().Texts().empty());
    QCOMPARE(p.quits, 1);
    QVERIFY(!p.form1().isVisible());
    QVERIFY(!p.form2().isVisible());
    // Nothing starts any more.
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsStarted(), 1);
  }

  void closingTheWindowDuringAPausedRunEndsIt() {
    CountingProgram p;
    p.ShowThePlot();
    WhenWellIntoTheRun(p, [&] {
      p.button("CmdFreeze")->click();
      QTimer::singleShot(0, &p.form2(), [&] { p.form1().close(); });
    });
    p.button("btnGo")->click();  // returns: never stuck in the pause
    QVERIFY(p.program.IsEnding());
    QCOMPARE(p.program.RunsCompleted(), 0);
    QCOMPARE(p.quits, 1);
    QVERIFY(!p.form1().isVisible());
    QVERIFY(!p.form2().isVisible());
  }

  void goDuringARunReplacesItWithOneNewReport() {
    CountingProgram p;
    p.ShowThePlot();
    WhenWellIntoTheRun(p, [&] {
      // New inputs, then Go again; and once more while the first restart is pending.
      p.box("TxtIAS")->setText("120");
      p.box("TxtExdelay")->setText("0");
      p.button("btnGo")->click();
      p.button("btnGo")->click();
    });
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsStarted(), 2);  // the second press found the first restart pending
    QCOMPARE(p.program.RunsCompleted(), 1);
    QVERIFY(!p.program.IsRunning());
    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.ias, 120.0f);
    QCOMPARE(s.exitDelay, 0.0f);
    const std::vector<std::string> printed = PrintedLines(p.results());
    QCOMPARE(Count(printed, " Jumper 1"), std::size_t{1});
    QCOMPARE(printed, ExpectedReport(s));
    // The plot is that of the new run alone: one note under it.
    QCOMPARE(Count(p.plot().Texts(), " after 1st group exits."), std::size_t{1});
  }

  void goDuringAPausedRunStartsTheNewRunUnpaused() {
    CountingProgram p;
    p.ShowThePlot();
    WhenWellIntoTheRun(p, [&] {
      p.button("CmdFreeze")->click();
      QTimer::singleShot(0, &p.form2(), [&] {
        p.box("TxtIAS")->setText("90");
        p.button("btnGo")->click();
      });
    });
    p.button("btnGo")->click();
    QCOMPARE(p.button("CmdFreeze")->text(), QStringLiteral("Pause"));
    QCOMPARE(p.program.Module().scenario.paused, kFalse);
    QCOMPARE(p.program.RunsStarted(), 2);
    QCOMPARE(p.program.RunsCompleted(), 1);
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(p.program.Module().scenario));
  }

  void goBeforeNextShowsThePlot() {
    CountingProgram p;
    p.program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form1()));
    p.button("btnGo")->click();
    QCOMPARE(p.program.Module().introStage, std::int16_t{3});
    const CanvasScale& s = p.plot().Scale();
    QVERIFY(!s.characterCells);
    QCOMPARE(s.left, -6100.0f);
    QVERIFY(!p.button("btnNext")->isVisible());
    QVERIFY(!p.mainWindowControl<QLabel>("Label2")->isVisible());
    QCOMPARE(p.program.RunsCompleted(), 1);
    QCOMPARE(Count(PrintedLines(p.results()), " Jumper 1"), std::size_t{1});
    // And the plot is really on screen: a track pixel in jumper 1's white.
    const QImage shot = p.form1().CanvasView()->grab().toImage();
    bool white = false;
    for (int y = 0; y < shot.height() && !white; ++y) {
      for (int x = 0; x < shot.width() && !white; ++x) white = shot.pixelColor(x, y) == Qt::white;
    }
    QVERIFY2(white, "no track on the plot");
  }

  // The run calls the slow-plotting delay on every step (the core's tests count those calls);
  // here the window chooses it, and Exit in the middle of a slow run acts on the next step.
  void slowPlottingStaysResponsive() {
    CountingProgram p;
    p.ShowThePlot();
    p.control<QComboBox>("Cmbplot")->setCurrentIndex(1);
    std::size_t figuresAtStop = 0;
    bool slowWhenStopped = false;
    WhenWellIntoTheRun(p, [&] {
      slowWhenStopped = p.program.Module().scenario.plotRate == 1;
      figuresAtStop = p.plot().Figures().size();
      p.button("Cmdexit")->click();
    });
    p.button("btnGo")->click();
    QVERIFY(slowWhenStopped);
    QVERIFY(p.program.IsEnding());
    QCOMPARE(p.program.RunsCompleted(), 0);
    QCOMPARE(p.plot().Figures().size(), figuresAtStop);  // not one step drawn after Exit
    QVERIFY(p.results().Texts().empty());
  }
};

QTEST_MAIN(RunCommandsTest)
#include "run_commands_test.moc"
