// The main window: its opening page, Enter and Esc, and Next turning it into the plot canvas
// with the data entry window in front.

#include <QApplication>
#include <QLabel>
#include <QtTest>

#include "app/intro_text.h"
#include "ui_test_support.h"

using namespace tarnwick;
using tarnwick::test::CountingProgram;

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensOnTheIntroductoryPage() {
    CountingProgram p;
    Form1& form = p.form1();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarnwick Simulation"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.size(), QSize(345, 486));  // 5175 x 7290 twips
    QCOMPARE(p.program.Module().introStage, std::int16_t{1});
    QCOMPARE(p.mainWindowControl<QLabel>("Label1")->text(), QStringLiteral("Tarnwick Simulation"));
    QCOMPARE(p.mainWindowControl<QLabel>("Label1")->font().pointSizeF() <= 18, true);
    QVERIFY(p.mainWindowControl<QLabel>("Label2")->text().startsWith(QStringLiteral("By ")));
    QCOMPARE(p.button("btnNext")->geometry(), QRect(208, 456, 57, 25));
    QCOMPARE(p.button("btnExit")->geometry(), QRect(280, 456, 57, 25));

    // The page, line for line with its blanks, five character rows below the top.
    const Canvas& canvas = p.plot();
    QVERIFY(canvas.Scale().characterCells);
    std::vector<std::string> nonEmpty;
    for (const char* line : IntroLines()) {
      if (*line != '\0') nonEmpty.emplace_back(line);
    }
    QCOMPARE(canvas.Texts(), nonEmpty);
    QCOMPARE(canvas.Texts().front(),
             std::string(" Purpose:  to determine the most likely trajectories of (groups"));
    QCOMPARE(canvas.Texts().back(), std::string(" and altitudes in feet msl. "));
    QCOMPARE(IntroLines().size(), std::size_t{19});
    const Figure& first = canvas.Figures().front();
    // Row 5 (16 px a row), then one line of the page's font for its empty first line.
    QCOMPARE(first.y1, static_cast<float>(5 + canvas.Metrics().LineHeightPx() / 16.0));
    QCOMPARE(first.x1, 0.0f);

    // The page was printed before the window was shown and is on screen once it is.
    p.program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QImage shot = p.form1().CanvasView()->grab().toImage();
    bool ink = false;
    for (int y = 80; y < 400 && !ink; ++y) {
      for (int x = 0; x < 300 && !ink; ++x) ink = qGray(shot.pixel(x, y)) < 100;
    }
    QVERIFY2(ink, "the opening page is not on screen");
  }

  void enterPressesNext() {
    CountingProgram p;
    p.program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form1()));
    QTest::keyClick(&p.form1(), Qt::Key_Return);
    QCOMPARE(p.program.Module().introStage, std::int16_t{3});
    QCOMPARE(p.quits, 0);
  }

  void escapePressesExit() {
    CountingProgram p;
    p.program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form1()));
    QTest::keyClick(p.button("btnNext"), Qt::Key_Escape);
    QCOMPARE(p.quits, 1);
    QVERIFY(!p.form1().isVisible());
    QVERIFY(!p.form2().isVisible());
  }

  void nextTurnsTheWindowIntoThePlotCanvas() {
    CountingProgram p;
    p.program.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.form2()));
    p.button("btnNext")->click();

    Form1& form = p.form1();
    const Canvas& canvas = p.plot();
    QVERIFY(canvas.Figures().empty());  // the page is gone
    const CanvasScale& s = canvas.Scale();
    QVERIFY(!s.characterCells);
    QCOMPARE(s.left, -6100.0f);
    QCOMPARE(s.top, 15000.0f);
    QCOMPARE(s.width, 12200.0f);
    QCOMPARE(s.height, -13500.0f);
    QVERIFY(!canvas.AutoRedraw);
    QCOMPARE(form.width(), 433);  // 6500 twips
    QCOMPARE(form.height(), 486);
    QCOMPARE(form.x(), 33);  // 495 twips
    QCOMPARE(canvas.ClientWidthPx(), 433.0);
    QVERIFY(p.mainWindowControl<QLabel>("Label1")->isVisible());
    QVERIFY(!p.mainWindowControl<QLabel>("Label2")->isVisible());
    QVERIFY(!p.button("btnNext")->isVisible());
    QVERIFY(!p.button("btnExit")->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&p.form2()));

    // With its buttons gone, Enter and Esc do nothing on the plot window.
    QTest::keyClick(&form, Qt::Key_Escape);
    QCOMPARE(p.quits, 0);

    // A second Next (the program never offers one, but a test can) only brings the data
    // entry window forward and keeps the plot.
    form.btnNext_Click();
    QCOMPARE(form.width(), 433);
    QCOMPARE(p.program.Module().introStage, std::int16_t{3});
  }

  void closingEitherWindowEndsTheProgram() {
    for (int which = 0; which < 2; ++which) {
      CountingProgram p;
      p.program.Show();
      QVERIFY(QTest::qWaitForWindowExposed(&p.form1()));
      QWidget& closed = which == 0 ? static_cast<QWidget&>(p.form1()) : p.form2();
      closed.close();
      QCOMPARE(p.quits, 1);
      QVERIFY(p.program.IsEnding());
      QVERIFY(!p.form1().isVisible());
      QVERIFY(!p.form2().isVisible());
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
