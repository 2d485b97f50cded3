// Memory over a long session: what a run draws is kept until the next Cls and then released,
// so a session of many runs holds no more than the last run's drawing.

#include <QtTest>

#include "bench/memory_use.h"
#include "ui_test_support.h"

using namespace tarnwick;
using tarnwick::test::CountingProgram;

namespace {

void VerifyReleased(const Canvas& canvas) {
  QCOMPARE(canvas.Figures().capacity(), std::size_t{0});
  QCOMPARE(canvas.Texts().capacity(), std::size_t{0});
  QCOMPARE(canvas.Scales().size(), std::size_t{1});
}

}  // namespace

class LongSessionTest : public QObject {
  Q_OBJECT

 private slots:
  // Cls gives back the memory of every figure and text, on the plot and on the results panel,
  // not just forgets them.
  void clsReleasesWhatWasDrawn() {
    CountingProgram p;
    p.ShowThePlot();
    p.button("btnGo")->click();
    QVERIFY(p.plot().Figures().size() > 10000);
    QVERIFY(!p.plot().Texts().empty());
    QVERIFY(!p.results().Texts().empty());
    p.plot().Cls();
    p.results().Cls();
    VerifyReleased(p.plot());
    VerifyReleased(p.results());
  }

  // Forty runs in one session: from the tenth run on, neither the heap nor the resident memory
  // grows by more than noise. A run's drawing is about a megabyte, so keeping even a tenth of
  // each would exceed both bounds.
  void manyRunsKeepTheMemoryFlat() {
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer holds freed memory back on purpose; measured in the plain build");
#endif
    CountingProgram p;
    p.ShowThePlot();
    QPushButton* go = p.button("btnGo");
    double heapAfter10 = 0;
    double residentAfter10 = 0;
    std::size_t figuresAfter10 = 0;
    for (int run = 1; run <= 40; ++run) {
      go->click();
      QCoreApplication::processEvents();  // the windows paint what was drawn
      if (run == 10) {
        heapAfter10 = HeapInUseMegabytes();
        residentAfter10 = ResidentMegabytes();
        figuresAfter10 = p.plot().Figures().size();
      }
    }
    QCOMPARE(p.program.RunsCompleted(), 40);
    QCOMPARE(p.plot().Figures().size(), figuresAfter10);
    QVERIFY(p.plot().Figures().capacity() < 2 * figuresAfter10);
    const double heapGrowth = HeapInUseMegabytes() - heapAfter10;
    const double residentGrowth = ResidentMegabytes() - residentAfter10;
    qInfo("after run 10 to run 40: heap %+.2f MB, resident %+.2f MB", heapGrowth, residentGrowth);
    QVERIFY2(heapGrowth < 1.0, qPrintable(QString::number(heapGrowth)));
    QVERIFY2(residentGrowth < 4.0, qPrintable(QString::number(residentGrowth)));
  }
};

QTEST_MAIN(LongSessionTest)
#include "long_session_test.moc"
