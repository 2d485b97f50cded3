#pragma once

// What every case of the fault matrix checks, whatever it did to the program: the inputs the
// user sees are the inputs the next run will use, and a program that was told to end ends
// through the event loop with status 0, as main() would return it.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <functional>
#include <utility>

#include "entry/entry_controls.h"
#include "entry/form2.h"
#include "entry/number_text.h"
#include "sim/scenario.h"
#include "ui_test_support.h"

namespace tarnwick::test {

using tarnwick::ScenarioField;

// Where the window and the scenario disagree, one line each; empty when they agree. A box
// agrees when its text reads back as its field, a check box when its state gives the sign, a
// list when its index is the field. Every field must also be a finite number. The boxes are
// read into the scenario by Go (or by an edit of each), so before the first Go only the check
// boxes and lists are compared.
inline QString ScreenVersusScenario(const Form2& form, const Scenario& s, bool afterGo = true) {
  QString differences;
  const char* const boxNames[] = {"TxtIAS", "TxtUwind", "TxtLwind", "TxtWndalt", "TxtExdelay"};
  for (int i = 0; afterGo && i < 5; ++i) {
    const auto box = static_cast<Box>(i);
    const float field = ScenarioField(s, box);
    const float shown = StoreSingle(TextToNumber(form.Text(box)));
    if (!std::isfinite(field) || shown != field) {
      differences += QStringLiteral("%1 reads %2, field %3\n")
                         .arg(QLatin1String(boxNames[i]))
                         .arg(static_cast<double>(shown))
                         .arg(static_cast<double>(field));
    }
  }
  auto sign = [](bool headwind) { return static_cast<std::int16_t>(headwind ? 1 : -1); };
  if (sign(form.Checked(CheckBox::UpperHeadwind)) != s.upperWindSign)
    differences += QStringLiteral("Check1 disagrees with upperWindSign\n");
  if (sign(form.Checked(CheckBox::LowerHeadwind)) != s.lowerWindSign)
    differences += QStringLiteral("Check2 disagrees with lowerWindSign\n");
  if (form.ListIndex(ListBox::First) != s.firstSlow)
    differences += QStringLiteral("cmbFirst disagrees with firstSlow\n");
  if (form.ListIndex(ListBox::Second) != s.secondSlow)
    differences += QStringLiteral("CmbSecond disagrees with secondSlow\n");
  if (form.ListIndex(ListBox::PlotRate) != s.plotRate)
    differences += QStringLiteral("Cmbplot disagrees with plotRate\n");
  return differences;
}

// The close box of a window, as the window system reports it, not a call of QWidget::close.
inline void PressCloseBox(QWidget& window) {
  if (QWindow* handle = window.windowHandle()) {
    handle->close();
  } else {
    window.close();
  }
}

// The ways a user ends the program.
enum class WayOut { ExitButton, EscapeKey, DataEntryCloseBox, MainWindowCloseBox };

// Every way out, with the name a test row shows.
inline constexpr std::pair<const char*, WayOut> kWaysOut[] = {
    {"Exit", WayOut::ExitButton},
    {"Esc", WayOut::EscapeKey},
    {"data entry close box", WayOut::DataEntryCloseBox},
    {"main window close box", WayOut::MainWindowCloseBox},
};

// The program as main() runs it: asking to quit really ends the event loop.
inline void QuitForReal(CountingProgram& p) {
  p.program.quitApplication = [&p] {
    ++p.quits;
    QCoreApplication::quit();
  };
}

inline void TakeWayOut(CountingProgram& p, WayOut way) {
  switch (way) {
    case WayOut::ExitButton:
      p.button("Cmdexit")->click();
      break;
    case WayOut::EscapeKey:
      QTest::keyClick(p.box("TxtUwind"), Qt::Key_Escape);
      break;
    case WayOut::DataEntryCloseBox:
      PressCloseBox(p.form2());
      break;
    case WayOut::MainWindowCloseBox:
      PressCloseBox(p.form1());
      break;
  }
}

// Runs the application's event loop as main() does, with `start` called once it runs. Returns
// the loop's exit status, or -1 if nothing ended it within `limitMs` (a hang is a failure, not
// a test that never returns).
inline int RunEventLoopLikeMain(const std::function<void()>& start, int limitMs = 30000) {
  QObject scope;  // the timers die with it, so none fires into a later case
  bool hung = false;
  QTimer::singleShot(0, &scope, start);
  QTimer::singleShot(limitMs, &scope, [&hung] {
    hung = true;
    QCoreApplication::exit(-1);
  });
  const int status = QApplication::exec();
  return hung ? -1 : status;
}

// Delivers everything still queued, deferred deletions included, until nothing is left (or a
// few rounds have passed: whatever a delivery queues in turn is delivered too).
inline void DeliverWhatIsQueued() {
  for (int round = 0; round < 10; ++round) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

}  // namespace tarnwick::test

Q_DECLARE_METATYPE(tarnwick::test::WayOut)
