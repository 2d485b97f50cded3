// The program under a real comma-decimal locale (de_DE.UTF-8, made with localedef when the
// machine has none). The application object switches the C library to the user's locale, so
// everything here runs as it would for a user in most of Europe.

#include "tests/comma_locale.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cmath>
#include <cstring>
#include <string>

#include "entry/scenario_setup.h"
#include "sim/simulation.h"
#include "tests/ui/ui_test_support.h"

using namespace tarnwick;
using namespace tarnwick::test;

namespace {
std::string localeError;   // why no comma locale could be had, if so
std::string localeFolder;  // LOCPATH of the locale made for the test, or ""
}  // namespace

class CommaLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void theApplicationSwitchedToTheCommaLocale() {
    QVERIFY2(localeError.empty(), localeError.c_str());
    QCOMPARE(std::localeconv()->decimal_point, ",");
  }

  // What Go writes back follows the boxes' rule ("." as the point, no trailing zeros), and the
  // run uses the decimals typed.
  void goKeepsTheDecimalsOfEveryBox() {
    QVERIFY2(localeError.empty(), localeError.c_str());
    CountingProgram p;
    p.ShowThePlot();
    QLineEdit* ias = p.box("TxtIAS");
    ias->selectAll();
    QTest::keyClicks(ias, "80.5");
    p.box("TxtWndalt")->setText("4500.5");
    QCOMPARE(p.box("TxtWndalt")->text(), QStringLiteral(" 4500.5"));
    p.box("TxtExdelay")->setText("5.25");
    p.button("btnGo")->click();
    QCOMPARE(p.program.RunsCompleted(), 1);

    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.ias, 80.5f);
    QCOMPARE(s.windChangeAltitude, 4500.5f);
    QCOMPARE(s.exitDelay, 5.25f);
    QCOMPARE(p.box("TxtIAS")->text(), QStringLiteral(" 80.5"));
    QCOMPARE(p.box("TxtUwind")->text(), QStringLiteral(" 20"));
    QCOMPARE(p.box("TxtLwind")->text(), QStringLiteral(" 0"));
    QCOMPARE(p.box("TxtWndalt")->text(), QStringLiteral(" 4500.5"));
    QCOMPARE(p.box("TxtExdelay")->text(), QStringLiteral(" 5.25"));
    QCOMPARE(p.warnings, 0);
    // The report is the one of the scenario as typed.
    QCOMPARE(PrintedLines(p.results()), ExpectedReport(s));
  }

  // The sweep's CSV with a chart, which needs the application object, reads with "." as a
  // machine reads it. The first jumper's pull does not depend on the exit delay: it is that of
  // the default scenario run without any window.
  void sweepWithChartWritesPointDecimals() {
    QVERIFY2(localeError.empty(), localeError.c_str());
    QTemporaryDir folder;
    QProcess tarnwick;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LC_ALL"));
    env.insert(QStringLiteral("LANG"), QLatin1String(kCommaLocale));
    if (!localeFolder.empty()) {
      env.insert(QStringLiteral("LOCPATH"), QString::fromStdString(localeFolder));
    }
    tarnwick.setProcessEnvironment(env);
    tarnwick.start(QStringLiteral(TARNWICK_EXECUTABLE),
                   {QStringLiteral("--sweep"), QStringLiteral("exit-delay=6:7:1"),
                    QStringLiteral("--chart"), folder.filePath(QStringLiteral("c.png"))});
    QVERIFY(tarnwick.waitForFinished(120000));
    QCOMPARE(tarnwick.exitCode(), 0);
    const QStringList lines =
        QString::fromUtf8(tarnwick.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    Module1 module;
    module.scenario = PrepareScenario("", {}, [] {});
    const RunResult firstRun = RunSimulation(module, nullptr, nullptr, nullptr).result;
    const QRegularExpression oneDecimal(QStringLiteral("^-?[0-9]+\\.[0-9]$"));
    for (int row = 1; row < lines.size(); ++row) {
      const QStringList fields = lines[row].split(',');
      QCOMPARE(fields.size(), 8);
      for (const QString& field : fields) {
        QVERIFY2(oneDecimal.match(field).hasMatch(), qPrintable(lines[row]));
      }
      QCOMPARE(fields[0], row == 1 ? QStringLiteral("6.0") : QStringLiteral("7.0"));
      // One decimal of values that the report rounds to whole numbers.
      QVERIFY2(std::fabs(QLocale::c().toDouble(fields[1]) - firstRun.pullDownrange[1]) <= 0.05,
               qPrintable(lines[row]));
      QVERIFY2(std::fabs(QLocale::c().toDouble(fields[2]) - firstRun.pullTime[1]) <= 0.05,
               qPrintable(lines[row]));
    }
  }
};

int main(int argc, char** argv) {
  // Before the application object, which takes the locale from the environment.
  localeFolder = ProvideCommaLocale(localeError);
  QApplication app(argc, argv);
  CommaLocaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "comma_locale_test.moc"
