// The fault matrix around a real run: every way out while the run draws and while it is paused,
// Go and Pause hammered, hostile text in every box and the wind change altitude edited at every
// step. Whatever a case does, the program must not crash, an ending program must leave its event
// loop with status 0, and the window must end up showing the inputs the scenario holds.

#include <QApplication>
#include <QClipboard>
#include <QtTest>
#include <cmath>

#include "fault_checks.h"
#include "sim/report.h"
#include "sim/simulation.h"

using namespace tarnwick;
using tarnwick::test::Count;
using tarnwick::test::CountingProgram;
using tarnwick::test::DeliverWhatIsQueued;
using tarnwick::test::ExpectedReport;
using tarnwick::test::kWellIntoTheRun;
using tarnwick::test::PrintedLines;
using tarnwick::test::QuitForReal;
using tarnwick::test::RunEventLoopLikeMain;
using tarnwick::test::ScreenVersusScenario;
using tarnwick::test::TakeWayOut;
using tarnwick::test::WayOut;
using tarnwick::test::WhenWellIntoTheRun;

namespace {

constexpr int kMegabyte = 1 << 20;
const char* const kBoxNames[] = {"TxtIAS", "TxtUwind", "TxtLwind", "TxtWndalt", "TxtExdelay"};

QString Repeated(const QString& unit, int length) {
  QString text;
  text.reserve(length + unit.size());
  while (text.size() < length) text += unit;
  text.truncate(length);
  return text;
}

// Puts `text` on the clipboard and pastes it over the box's whole text, as a user would.
void PasteOver(QLineEdit* box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  box->setFocus();
  box->selectAll();
  box->paste();
}

bool ReportIsFinite(const Canvas& results) {
  for (const std::string& line : results.Texts()) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf"}) {
      if (line.find(bad) != std::string::npos) return false;
    }
  }
  return !results.Texts().empty();
}

// The values Go lets through: each field within its limits.
QString OutsideGoLimits(const Scenario& s) {
  QString out;
  auto check = [&out](const char* name, float v, float low, float high) {
    if (!(v >= low && v <= high)) out += QStringLiteral("%1 = %2\n").arg(name).arg(v);
  };
  check("ias", s.ias, 0, 200);
  check("upperWind", s.upperWind, 0, 100);
  check("lowerWind", s.lowerWind, 0, 50);
  check("windChangeAltitude", s.windChangeAltitude, 0, 13000);
  check("exitDelay", s.exitDelay, 0, 30);
  return out;
}

}  // namespace

class FaultMatrixTest : public QObject {
  Q_OBJECT

 private slots:
  // Exit, Esc, either close box, while the run draws and while it is paused: the run stops at
  // its next yield, nothing is reported, every window is hidden and the event loop ends with
  // status 0; the windows are deleted only afterwards and nothing touches them then.
  void everyWayOutEndsTheProgramCleanly_data() {
    QTest::addColumn<WayOut>("way");
    QTest::addColumn<bool>("paused");
    for (const auto& [name, way] : tarnwick::test::kWaysOut) {
      QTest::addRow("%s while drawing", name) << way << false;
      QTest::addRow("%s while paused", name) << way << true;
    }
  }

  void everyWayOutEndsTheProgramCleanly() {
    QFETCH(WayOut, way);
    QFETCH(bool, paused);
    int status = -2;
    {
      CountingProgram p;
      QuitForReal(p);
      p.ShowThePlot();
      bool drawingWhenTaken = false;
      WhenWellIntoTheRun(p, [&] {
        if (!paused) {
          drawingWhenTaken = p.program.IsRunning();
          TakeWayOut(p, way);
          return;
        }
        p.button("CmdFreeze")->click();
        QTimer::singleShot(0, &p.form2(), [&] {
          drawingWhenTaken = p.program.IsRunning() && p.program.Module().scenario.paused;
          TakeWayOut(p, way);
        });
      });
      status = RunEventLoopLikeMain([&] { p.button("btnGo")->click(); });
      QVERIFY(drawingWhenTaken);
      QCOMPARE(p.quits, 1);
      QVERIFY(!p.program.IsRunning());
      QVERIFY(p.program.IsEnding());
      QCOMPARE(p.program.RunsStarted(), 1);
      QCOMPARE(p.program.RunsCompleted(), 0);
      QVERIFY(p.results().Texts().empty());
      QVERIFY(!p.form1().isVisible());
      QVERIFY(!p.form2().isVisible());
      QVERIFY2(ScreenVersusScenario(p.form2(), p.program.Module().scenario).isEmpty(),
               qPrintable(ScreenVersusScenario(p.form2(), p.program.Module().scenario)));
    }
    QCOMPARE(status, 0);
    // Whatever was still queued for the windows arrives after they are gone.
    DeliverWhatIsQueued();
  }

  // Go pressed on thirty successive steps with new inputs each time, then fifty times at once:
  // runs never nest, exactly one report is printed and it is that of the newest inputs.
  void goPressedManyTimesGivesOneReportOfTheNewestInputs() {
    CountingProgram p;
    p.ShowThePlot();
    QObject scope;
    QTimer hammer(&scope);
    hammer.setInterval(0);
    int presses = 0;
    connect(&hammer, &QTimer::timeout, &scope, [&] {
      ++presses;
      p.box("TxtIAS")->setText(QString::number(60 + presses));
      p.box("TxtExdelay")->setText(QString::number(presses % 31));
      p.control<QCheckBox>("Check2")->setChecked(presses % 2 == 0);
      p.button("btnGo")->click();
      if (presses < 30) return;
      hammer.stop();
      for (int i = 0; i < 50; ++i) p.button("btnGo")->click();
    });
    hammer.start();
    p.button("btnGo")->click();
    QCOMPARE(presses, 30);
    QVERIFY(!p.program.IsRunning());
    QCOMPARE(p.program.RunsCompleted(), 1);
    QVERIFY(p.program.RunsStarted() > 1);
    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.ias, 90.0f);
    QCOMPARE(s.exitDelay, 30.0f);
    QCOMPARE(s.lowerWindSign, std::int16_t{1});
    QCOMPARE(p.warnings, 0);
    const std::vector<std::string> printed = PrintedLines(p.results());
    QCOMPARE(Count(printed, " Jumper 1"), std::size_t{1});
    QCOMPARE(printed, ExpectedReport(s));
    QCOMPARE(Count(p.plot().Texts(), " after 1st group exits."), std::size_t{1});
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
  }

  // Pause pressed a thousand and one times at once holds the run; once more resumes it. Pressed
  // on every one of four hundred steps it holds and releases the run by turns. Either way the
  // run ends as if never paused, and the caption always tells the state.
  void pausePressedManyTimesHoldsAndReleasesTheSameRun() {
    CountingProgram p;
    p.ShowThePlot();
    QPushButton* freeze = p.button("CmdFreeze");
    std::size_t whenHeld = 0;
    std::size_t afterHolding = 0;
    QString captionWhileHeld;
    WhenWellIntoTheRun(p, [&] {
      for (int i = 0; i < 1001; ++i) freeze->click();
      captionWhileHeld = freeze->text();
      whenHeld = p.plot().Figures().size();
      QTimer::singleShot(0, &p.form2(), [&] {
        afterHolding = p.plot().Figures().size();
        freeze->click();
      });
    });
    p.button("btnGo")->click();
    QCOMPARE(captionWhileHeld, QStringLiteral("Resume"));
    QCOMPARE(afterHolding, whenHeld);
    QCOMPARE(p.program.RunsStarted(), 1);
    QCOMPARE(p.program.RunsCompleted(), 1);
    QCOMPARE(freeze->text(), QStringLiteral("Pause"));
    QCOMPARE(p.program.Module().scenario.paused, kFalse);
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(p.program.Module().scenario));

    QObject scope;
    QTimer everyStep(&scope);
    everyStep.setInterval(0);
    int presses = 0;
    bool captionFollowedTheFlag = true;
    connect(&everyStep, &QTimer::timeout, &scope, [&] {
      freeze->click();
      const bool held = p.program.Module().scenario.paused != 0;
      captionFollowedTheFlag &= freeze->text() == (held ? "Resume" : "Pause");
      if (++presses == 400) everyStep.stop();
    });
    everyStep.start();
    p.button("btnGo")->click();
    QCOMPARE(presses, 400);
    QVERIFY(captionFollowedTheFlag);
    QCOMPARE(p.program.RunsCompleted(), 2);
    QCOMPARE(p.program.Module().scenario.paused, kFalse);
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(p.program.Module().scenario));
    QVERIFY(ScreenVersusScenario(p.form2(), p.program.Module().scenario).isEmpty());
  }

  // A megabyte pasted into every box: the boxes take what a line edit holds, the scenario
  // follows each paste at once, and Go brings every value into range, writes it back short and
  // runs to a finite report.
  void megabytePastedIntoEveryBox_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << Repeated("9", kMegabyte);
    QTest::newRow("negative digits") << "-" + Repeated("7", kMegabyte - 1);
    QTest::newRow("hexadecimal") << "&H" + Repeated("F", kMegabyte - 2);
    QTest::newRow("huge exponent") << "1e" + Repeated("9", kMegabyte - 2);
    QTest::newRow("tiny fraction") << "." + Repeated("0", kMegabyte - 2) + "1";
    QTest::newRow("blanks and lines") << Repeated(" 1\t2\n", kMegabyte);
    QTest::newRow("prose") << Repeated("twelve, 12,5 knots; ", kMegabyte);
  }

  void megabytePastedIntoEveryBox() {
    QFETCH(QString, text);
    CountingProgram p;
    p.ShowThePlot();
    const Scenario& s = p.program.Module().scenario;
    for (int i = 0; i < 5; ++i) {
      QLineEdit* box = p.box(kBoxNames[i]);
      PasteOver(box, text);
      QVERIFY2(!box->text().isEmpty(), kBoxNames[i]);
      // Each paste reaches its field at once; the other boxes wait for Go to be read.
      const float field = tarnwick::test::ScenarioField(s, static_cast<Box>(i));
      QVERIFY2(std::isfinite(field), kBoxNames[i]);
      QCOMPARE(StoreSingle(TextToNumber(box->text().toStdString())), field);
    }
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsCompleted(), 1);
    QVERIFY2(OutsideGoLimits(s).isEmpty(), qPrintable(OutsideGoLimits(s)));
    for (const char* name : kBoxNames) QVERIFY2(p.box(name)->text().size() < 16, name);
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
    QVERIFY(ReportIsFinite(p.results()));
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(s));
  }

  // The same megabyte pasted into every box in the middle of a run: the run goes on with what it
  // reads at each step and stays responsive, and a Go two hundred steps later limits every
  // value, replaces the run and reports.
  void megabytePastedDuringARunThenGo() {
    CountingProgram p;
    p.ShowThePlot();
    const QString text = Repeated("9", kMegabyte);
    QObject scope;
    QTimer everyStep(&scope);
    everyStep.setInterval(0);
    bool pasted = false;
    int stepsSincePaste = 0;
    connect(&everyStep, &QTimer::timeout, &scope, [&] {
      if (!pasted) {
        if (p.plot().Figures().size() <= kWellIntoTheRun) return;
        for (const char* name : kBoxNames) PasteOver(p.box(name), text);
        pasted = true;
        return;
      }
      if (++stepsSincePaste < 200) return;
      everyStep.stop();
      p.button("btnGo")->click();
    });
    everyStep.start();
    p.button("btnGo")->click();
    QVERIFY(pasted);
    QCOMPARE(p.program.RunsStarted(), 2);
    QCOMPARE(p.program.RunsCompleted(), 1);
    const Scenario& s = p.program.Module().scenario;
    QVERIFY2(OutsideGoLimits(s).isEmpty(), qPrintable(OutsideGoLimits(s)));
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
    QVERIFY(ReportIsFinite(p.results()));
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(s));
  }

  // Texts beyond the single-precision range in all five boxes: each counts as the largest value
  // of its sign, so Go's limits bring it into range; no infinity or NaN reaches a box, the
  // scenario or the report.
  void valuesBeyondTheFloatRangeInEveryBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("ias");
    QTest::addColumn<float>("upperWind");
    QTest::addColumn<float>("lowerWind");
    QTest::addColumn<float>("windChangeAltitude");
    QTest::addColumn<float>("exitDelay");
    QTest::newRow("1e39") << "1e39" << 200.0f << 100.0f << 50.0f << 13000.0f << 30.0f;
    QTest::newRow("-1e39") << "-1e39" << 0.0f << 35.0f << 50.0f << 0.0f << 0.0f;
    QTest::newRow("40 digits") << "1234567890123456789012345678901234567890" << 200.0f << 100.0f
                               << 50.0f << 13000.0f << 30.0f;
    QTest::newRow("long &H") << "&H" + Repeated("F", 64) << 200.0f << 100.0f << 50.0f << 13000.0f
                             << 30.0f;
  }

  void valuesBeyondTheFloatRangeInEveryBox() {
    QFETCH(QString, text);
    CountingProgram p;
    for (const char* name : kBoxNames) p.box(name)->setText(text);
    const Scenario& s = p.program.Module().scenario;
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsCompleted(), 1);
    QTEST(s.ias, "ias");
    QTEST(s.upperWind, "upperWind");
    QTEST(s.lowerWind, "lowerWind");
    QTEST(s.windChangeAltitude, "windChangeAltitude");
    QTEST(s.exitDelay, "exitDelay");
    QCOMPARE(p.box("TxtIAS")->text().toStdString(), NumberToText(s.ias));
    QCOMPARE(p.box("TxtUwind")->text().toStdString(), NumberToText(s.upperWind));
    QCOMPARE(p.box("TxtLwind")->text().toStdString(), NumberToText(s.lowerWind));
    QCOMPARE(p.box("TxtWndalt")->text().toStdString(), NumberToText(s.windChangeAltitude));
    QCOMPARE(p.box("TxtExdelay")->text().toStdString(), NumberToText(s.exitDelay));
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
    QVERIFY(ReportIsFinite(p.results()));
  }

  // The wind change altitude typed over on every step of a run, with texts in and out of range
  // and texts that are no number: the run reads the box's latest value at each step, which
  // always lies within 0 to 13000, and runs to a finite report.
  void windChangeAltitudeEditedOnEveryStep() {
    CountingProgram p;
    p.ShowThePlot();
    const Scenario& s = p.program.Module().scenario;
    const QStringList typed = {"20000", "-5",     "",      "abc",  "1e39",   "4500",
                               "12,5",  "&H7FFF", "-1e39", "9000", " 6000 ", "."};
    QLineEdit* box = p.box("TxtWndalt");
    QObject scope;
    QTimer everyStep(&scope);
    everyStep.setInterval(0);
    int edits = 0;
    bool alwaysInRange = true;
    connect(&everyStep, &QTimer::timeout, &scope, [&] {
      box->setFocus();
      box->selectAll();
      box->insert(typed[edits++ % typed.size()]);
      alwaysInRange &= s.windChangeAltitude >= 0 && s.windChangeAltitude <= 13000;
      alwaysInRange &= box->text().toStdString() == NumberToText(s.windChangeAltitude);
    });
    everyStep.start();
    p.button("btnGo")->click();
    everyStep.stop();
    QVERIFY2(edits > 1000, qPrintable(QString::number(edits)));
    QVERIFY(alwaysInRange);
    QCOMPARE(p.program.RunsCompleted(), 1);
    QVERIFY(ReportIsFinite(p.results()));
    QCOMPARE(Count(PrintedLines(p.results()), " Jumper 1"), std::size_t{1});
    QVERIFY2(ScreenVersusScenario(p.form2(), s).isEmpty(),
             qPrintable(ScreenVersusScenario(p.form2(), s)));
  }
};

QTEST_MAIN(FaultMatrixTest)
#include "fault_matrix_test.moc"
