// The data entry window as a user meets it: its start state, keyboard behaviour, every edit
// reaching the scenario at once, the wind change altitude box keeping itself in range, and Go's
// limits with their warnings.

#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>

#include "entry/input_warning.h"
#include "ui_test_support.h"

using namespace tarnwick;
using tarnwick::test::CountingProgram;

namespace {

// What the warning box showed.
struct SeenBox {
  QString text, title;
  int icon = -1;
  int buttons = 0;
  bool modal = false;
};

}  // namespace

class DataEntryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheDesignValues() {
    CountingProgram p;
    Form2& form = p.form2();
    QCOMPARE(form.windowTitle(), QStringLiteral("Tarnwick data"));
    // The client area keeps its design size under the menu bar: 5055 x 6960 twips.
    QCOMPARE(form.ClientArea()->size(), QSize(337, 464));
    QCOMPARE(form.ClientArea()->y(), form.MenuBar()->height());
    QCOMPARE(p.box("TxtIAS")->text(), QStringLiteral("80"));
    QCOMPARE(p.box("TxtUwind")->text(), QStringLiteral("20"));
    QCOMPARE(p.box("TxtLwind")->text(), QStringLiteral("0"));
    QCOMPARE(p.box("TxtWndalt")->text(), QStringLiteral("6000"));
    QCOMPARE(p.box("TxtExdelay")->text(), QStringLiteral("5"));
    QVERIFY(p.control<QCheckBox>("Check1")->isChecked());
    QVERIFY(p.control<QCheckBox>("Check2")->isChecked());
    QCOMPARE(p.control<QCheckBox>("Check1")->text(), QStringLiteral("Headwind?"));
    QCOMPARE(p.control<QComboBox>("cmbFirst")->currentText(), QStringLiteral("Slow"));
    QCOMPARE(p.control<QComboBox>("CmbSecond")->currentText(), QStringLiteral("Fast"));
    QComboBox* plotRate = p.control<QComboBox>("Cmbplot");
    QCOMPARE(plotRate->currentText(), QStringLiteral("Fast "));  // with its blank
    QCOMPARE(plotRate->itemText(1), QStringLiteral("Slow"));
    QVERIFY(!plotRate->isEditable());
    QCOMPARE(p.button("CmdFreeze")->text(), QStringLiteral("Pause"));
    QCOMPARE(p.button("CmdWeb")->text(), QStringLiteral("Details (from Web)"));
    QCOMPARE(p.button("btnGo")->text(), QStringLiteral("Go"));
    QCOMPARE(p.button("Cmdexit")->text(), QStringLiteral("Exit"));
    QCOMPARE(p.control<QGroupBox>("Frame1")->title(), QStringLiteral("Data Entry"));

    QCOMPARE(p.control<QGroupBox>("Frame1")->toolTip(), QStringLiteral("data frame"));
    QCOMPARE(p.button("btnGo")->toolTip(), QStringLiteral("Press to run simulation"));
    QCOMPARE(p.button("Cmdexit")->toolTip(), QStringLiteral("Quit"));

    // Positions in twips, relative to the frame or the window.
    QCOMPARE(p.box("TxtIAS")->geometry(), QRect(176, 24, 33, 19));
    QCOMPARE(p.button("btnGo")->geometry(), QRect(200, 304, 57, 25));
    QCOMPARE(p.control<CanvasWidget>("txt")->geometry(), QRect(40, 344, 257, 111));

    // The load stores the checks and lists; the boxes are read by Go.
    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.upperWindSign, std::int16_t{1});
    QCOMPARE(s.lowerWindSign, std::int16_t{1});
    QCOMPARE(s.firstSlow, std::int16_t{1});
    QCOMPARE(s.secondSlow, std::int16_t{0});
    QCOMPARE(s.plotRate, std::int16_t{0});
    QCOMPARE(s.paused, std::int16_t{0});
  }

  void presetArgumentAndOptionsSetTheControls() {
    ScenarioOptions options;
    options.exitDelay = "12";
    options.secondIndex = 1;
    CountingProgram p("6", options);
    QCOMPARE(p.box("TxtIAS")->text(), QStringLiteral("80"));
    QCOMPARE(p.box("TxtLwind")->text(), QStringLiteral("20"));
    QCOMPARE(p.box("TxtUwind")->text(), QStringLiteral("40"));
    QCOMPARE(p.box("TxtWndalt")->text(), QStringLiteral(" 9000"));  // rewritten by its handler
    QVERIFY(!p.control<QCheckBox>("Check2")->isChecked());
    QCOMPARE(p.control<QComboBox>("Cmbplot")->currentText(), QStringLiteral("Slow"));
    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.lowerWindSign, std::int16_t{-1});
    QCOMPARE(s.windChangeAltitude, 9000.0f);
    QCOMPARE(s.plotRate, std::int16_t{1});
    // The options come on top of the preset, as if typed.
    QCOMPARE(p.box("TxtExdelay")->text(), QStringLiteral("12"));
    QCOMPARE(s.exitDelay, 12.0f);
    QCOMPARE(s.secondSlow, std::int16_t{1});
  }

  void tabOrderFollowsTheInputs() {
    CountingProgram p;
    const char* expected[] = {"TxtIAS",    "TxtUwind",   "Check1",   "TxtLwind",  "Check2",
                              "TxtWndalt", "TxtExdelay", "cmbFirst", "CmbSecond", "btnGo",
                              "Cmdexit",   "CmdWeb",     "Cmbplot",  "CmdFreeze"};
    QWidget* w = p.box("TxtIAS");
    for (const char* name : expected) {
      QCOMPARE(w->objectName(), QString::fromLatin1(name));
      do {
        w = w->nextInFocusChain();
      } while (!(w->focusPolicy() & Qt::TabFocus));
    }
  }

  void enterPressesGoAndEscapePressesExit() {
    CountingProgram p;
    Form2& form = p.form2();
    QSignalSpy go(&form, &Form2::goRequested);
    QSignalSpy exit(&form, &Form2::exitRequested);
    // Enter in a text box, a check box and a list: Go.
    for (const char* name : {"TxtIAS", "Check1", "cmbFirst"}) {
      QTest::keyClick(form.findChild<QWidget*>(QLatin1String(name)), Qt::Key_Return);
    }
    QCOMPARE(go.count(), 3);
    // Enter on a focused button presses that button.
    QPushButton* freeze = p.button("CmdFreeze");
    freeze->setFocus();
    QTest::keyClick(freeze, Qt::Key_Return);
    QCOMPARE(freeze->text(), QStringLiteral("Resume"));
    QCOMPARE(go.count(), 3);
    QCOMPARE(exit.count(), 0);
    QTest::keyClick(p.box("TxtUwind"), Qt::Key_Escape);
    QCOMPARE(exit.count(), 1);
  }

  void editsReachTheScenarioAtOnce() {
    CountingProgram p;
    Scenario& s = p.program.Module().scenario;
    QLineEdit* ias = p.box("TxtIAS");
    ias->selectAll();
    QTest::keyClicks(ias, "120");
    QCOMPARE(s.ias, 120.0f);
    QCOMPARE(ias->text(), QStringLiteral("120"));  // left as typed, no message
    QCOMPARE(p.warnings, 0);

    p.box("TxtExdelay")->setText("12,5");
    QCOMPARE(s.exitDelay, 12.0f);
    p.box("TxtLwind")->setText("");
    QCOMPARE(s.lowerWind, 0.0f);
    p.form2().SetText(Box::UpperWind, "33");  // from code: the same handler
    QCOMPARE(s.upperWind, 33.0f);

    QCheckBox* check1 = p.control<QCheckBox>("Check1");
    QTest::mouseClick(check1, Qt::LeftButton, {}, QPoint(5, check1->height() / 2));
    QCOMPARE(s.upperWindSign, std::int16_t{-1});
    p.form2().SetChecked(CheckBox::UpperHeadwind, true);
    QCOMPARE(s.upperWindSign, std::int16_t{1});

    QComboBox* second = p.control<QComboBox>("CmbSecond");
    second->setFocus();
    QTest::keyClick(second, Qt::Key_Down);
    QCOMPARE(s.secondSlow, std::int16_t{1});
    p.form2().SetListIndex(ListBox::PlotRate, 1);
    QCOMPARE(s.plotRate, std::int16_t{1});
    p.form2().SetListIndex(ListBox::PlotRate, 7);  // no such item: nothing changes
    QCOMPARE(p.control<QComboBox>("Cmbplot")->currentIndex(), 1);
  }

  void windChangeAltitudeKeepsItselfInRange() {
    CountingProgram p;
    Scenario& s = p.program.Module().scenario;
    QLineEdit* box = p.box("TxtWndalt");
    box->setFocus();

    box->selectAll();
    QTest::keyClicks(box, "20000");
    QCOMPARE(s.windChangeAltitude, 13000.0f);
    QCOMPARE(box->text(), QStringLiteral(" 13000"));

    // A minus sign typed alone reads as 0 and is rewritten at once, so -5 arrives pasted.
    box->selectAll();
    box->insert("-5");
    QCOMPARE(s.windChangeAltitude, 0.0f);
    QCOMPARE(box->text(), QStringLiteral(" 0"));

    box->setText("4500");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);  // emptied: never left empty
    QCOMPARE(box->text(), QStringLiteral(" 0"));
    QCOMPARE(s.windChangeAltitude, 0.0f);
    QCOMPARE(p.warnings, 0);
  }

  void windChangeAltitudeKeepsTheInsertionPointFromTheEnd() {
    CountingProgram p;
    QLineEdit* box = p.box("TxtWndalt");
    box->setFocus();
    box->selectAll();
    // Typed digit by digit: each is rewritten with its blank and typing goes on at the end.
    QTest::keyClicks(box, "45");
    QCOMPARE(box->text(), QStringLiteral(" 45"));
    QCOMPARE(box->cursorPosition(), 3);
    QTest::keyClicks(box, "00");
    QCOMPARE(box->text(), QStringLiteral(" 4500"));
    QCOMPARE(p.program.Module().scenario.windChangeAltitude, 4500.0f);

    // In the middle of the number it stays behind the same digits.
    box->setCursorPosition(2);  // " 4|500"
    QTest::keyClick(box, Qt::Key_1);
    QCOMPARE(box->text(), QStringLiteral(" 13000"));  // 41500 limited
    QCOMPARE(box->text().size() - box->cursorPosition(), 3);
  }

  void goLimitsTheInputsAndWarns_data() {
    QTest::addColumn<QString>("ias");
    QTest::addColumn<QString>("upperWind");
    QTest::addColumn<QString>("lowerWind");
    QTest::addColumn<QString>("exitDelay");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QString>("iasAfter");
    QTest::addColumn<QString>("upperAfter");
    QTest::addColumn<QString>("lowerAfter");
    QTest::addColumn<QString>("delayAfter");
    QTest::newRow("valid inputs: rewritten, no warning") << "80"
                                                         << "20"
                                                         << "0"
                                                         << "5" << 0 << " 80"
                                                         << " 20"
                                                         << " 0"
                                                         << " 5";
    QTest::newRow("airspeed 250") << "250"
                                  << "20"
                                  << "0"
                                  << "5" << 1 << " 200"
                                  << " 20"
                                  << " 0"
                                  << " 5";
    QTest::newRow("airspeed not a number") << "abc"
                                           << "20"
                                           << "0"
                                           << "5" << 0 << " 0"
                                           << " 20"
                                           << " 0"
                                           << " 5";
    QTest::newRow("upper wind -150 at 80 knots") << "80"
                                                 << "-150"
                                                 << "0"
                                                 << "5" << 3 << " 80"
                                                 << " 100"
                                                 << " 0"
                                                 << " 5";
    QTest::newRow("upper wind 120 at 50 knots") << "50"
                                                << "120"
                                                << "0"
                                                << "5" << 1 << " 50"
                                                << " 85"
                                                << " 0"
                                                << " 5";
    QTest::newRow("upper wind 100 at 80 knots") << "80"
                                                << "100"
                                                << "0"
                                                << "5" << 0 << " 80"
                                                << " 100"
                                                << " 0"
                                                << " 5";
    QTest::newRow("lower wind -60, silently") << "80"
                                              << "20"
                                              << "-60"
                                              << "5" << 0 << " 80"
                                              << " 20"
                                              << " 50"
                                              << " 5";
    QTest::newRow("exit delay 45") << "80"
                                   << "20"
                                   << "0"
                                   << "45" << 1 << " 80"
                                   << " 20"
                                   << " 0"
                                   << " 30";
    QTest::newRow("exit delay -3") << "80"
                                   << "20"
                                   << "0"
                                   << "-3" << 1 << " 80"
                                   << " 20"
                                   << " 0"
                                   << " 0";
  }
  void goLimitsTheInputsAndWarns() {
    QFETCH(QString, ias);
    QFETCH(QString, upperWind);
    QFETCH(QString, lowerWind);
    QFETCH(QString, exitDelay);
    QFETCH(int, warnings);
    CountingProgram p;
    // Only the limits: the run itself is the business of the other tests.
    QObject::disconnect(&p.form2(), &Form2::goRequested, nullptr, nullptr);
    p.box("TxtIAS")->setText(ias);
    p.box("TxtUwind")->setText(upperWind);
    p.box("TxtLwind")->setText(lowerWind);
    p.box("TxtExdelay")->setText(exitDelay);
    p.box("TxtWndalt")->setText("20000");
    QSignalSpy go(&p.form2(), &Form2::goRequested);
    p.button("btnGo")->click();

    QCOMPARE(p.warnings, warnings);
    QCOMPARE(go.count(), 1);  // Go always goes on after its corrections
    QTEST(p.box("TxtIAS")->text(), "iasAfter");
    QTEST(p.box("TxtUwind")->text(), "upperAfter");
    QTEST(p.box("TxtLwind")->text(), "lowerAfter");
    QTEST(p.box("TxtExdelay")->text(), "delayAfter");
    QCOMPARE(p.box("TxtWndalt")->text(), QStringLiteral(" 13000"));
    const Scenario& s = p.program.Module().scenario;
    QCOMPARE(s.windChangeAltitude, 13000.0f);
    QVERIFY(s.ias >= 0 && s.ias <= 200);
    QVERIFY(s.upperWind >= 0 && s.upperWind <= 100 && s.upperWind <= s.ias + 35);
    QVERIFY(s.lowerWind >= 0 && s.lowerWind <= 50);
    QVERIFY(s.exitDelay >= 0 && s.exitDelay <= 30);
  }

  void theWarningIsAModalQuestion() {
    // The real warning, dismissed by a timer so that the test never waits for a click.
    CountingProgram p;
    QObject::disconnect(&p.form2(), &Form2::goRequested, nullptr, nullptr);
    p.form2().inputWarning = [&p] { InputWarningForTest(&p.form2()); };
    p.box("TxtIAS")->setText("250");
    seen_ = SeenBox{};
    p.button("btnGo")->click();
    QCOMPARE(seen_.text, QStringLiteral("Please check your numerical inputs"));
    QCOMPARE(seen_.title, QStringLiteral("Tarnwick"));
    QCOMPARE(seen_.icon, int(QMessageBox::Question));
    QCOMPARE(seen_.buttons, 1);
    QVERIFY(seen_.modal);
  }

 private:
  static inline SeenBox seen_;

  static void InputWarningForTest(QWidget* parent) {
    QTimer::singleShot(0, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen_ = {box->text(), box->windowTitle(), int(box->icon()),
               static_cast<int>(box->buttons().size()), box->isModal()};
      box->accept();
    });
    InputWarning(parent);
  }
};

QTEST_MAIN(DataEntryWindowTest)
#include "data_entry_window_test.moc"
