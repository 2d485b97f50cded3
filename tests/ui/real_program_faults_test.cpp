// The real tarnwick executable, offscreen, ended in the middle of a run, of a pause and of a page
// load by each of the user's ways out: it must leave with status 0 and without a sanitizer
// report. The preloaded fault driver acts on its windows from inside; the program is unchanged.

#include <QProcess>
#include <QtTest>

namespace {

struct Ending {
  int code = -1;
  QProcess::ExitStatus status = QProcess::CrashExit;
  QString errors;
};

Ending RunTheProgram(const QString& faultCase) {
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("LD_PRELOAD", TARNWICK_FAULT_DRIVER);
  env.insert("TARNWICK_FAULT_CASE", faultCase);
#if defined(__SANITIZE_ADDRESS__)
  // The driver is preloaded ahead of the sanitizer's runtime, which is harmless here.
  env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
#endif
  program.setProcessEnvironment(env);
  program.start(TARNWICK_EXECUTABLE, {});
  Ending ending;
  if (!program.waitForFinished(60000)) {
    program.kill();
    program.waitForFinished();
    ending.errors = "did not end within a minute\n";
  }
  ending.code = program.exitCode();
  ending.status = program.exitStatus();
  ending.errors += QString::fromLocal8Bit(program.readAllStandardError());
  return ending;
}

}  // namespace

class RealProgramFaultsTest : public QObject {
  Q_OBJECT

 private slots:
  void endsWithStatusZero_data() {
    QTest::addColumn<QString>("faultCase");
    QTest::addColumn<QString>("moment");
    QStringList moments = {"drawing", "paused"};
#if !defined(__SANITIZE_ADDRESS__)
    // The web engine's own findings under the sanitizers are silenced only in the engine tests.
    moments << "details-loading"
            << "details-reopened";
#endif
    for (const char* way : {"exit", "esc", "data-entry-close-box", "main-window-close-box"}) {
      for (const QString& moment : moments) {
        QTest::addRow("%s while %s", way, qPrintable(moment))
            << QString("%1 %2").arg(way, moment) << moment;
      }
    }
  }

  void endsWithStatusZero() {
    QFETCH(QString, faultCase);
    QFETCH(QString, moment);
    const Ending ending = RunTheProgram(faultCase);
    QVERIFY2(ending.status == QProcess::NormalExit, qPrintable(ending.errors));
    QVERIFY2(ending.code == 0, qPrintable(ending.errors));
    // The driver acted at the moment named, and the run it interrupted returned.
    QString when = moment;
    when.replace('-', ' ');
    const qsizetype at = ending.errors.indexOf("fault driver: " + when);
    const qsizetype taken = ending.errors.indexOf("fault driver: way out taken");
    QVERIFY2(at >= 0 && taken > at, qPrintable(ending.errors));
    if (moment != "details-loading") {  // the way out was taken inside the run
      QVERIFY2(ending.errors.indexOf("fault driver: Go returned") > taken,
               qPrintable(ending.errors));
    }
    QVERIFY2(!ending.errors.contains("Sanitizer") && !ending.errors.contains("runtime error"),
             qPrintable(ending.errors));
  }
};

QTEST_GUILESS_MAIN(RealProgramFaultsTest)
#include "real_program_faults_test.moc"
