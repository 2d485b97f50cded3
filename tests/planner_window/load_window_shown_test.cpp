// What the planner window shows is what the load holds and what was flown: values typed before
// the first group exists go into the load, a box shows the load's value once its edit is over,
// a new load starts clean, the Planning panel never shows a plan of another load, and the focus
// stays where the user left it; a real load fits the screen. Expected values are the numbers typed;
// the recommended delays come from the core's own PlanLoad for the same load, which the window only
// shows.
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include "load/load_outcome.h"
#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_field_edit.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/result_models.h"
#include "planner_window/wind_table_model.h"
#include "three_groups_load.h"

using namespace tarnwick;

namespace {

QAction* MenuAction(LoadPlannerWindow& window, const QString& menu, const QString& entry) {
  for (QAction* top : window.menuBar()->actions()) {
    if (top->text().remove(QLatin1Char('&')) != menu || !top->menu()) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text().remove(QLatin1Char('&')) == entry) return action;
    }
  }
  return nullptr;
}

// A shown planner computing its answers at once, whose questions the test answers.
struct ShownPlanner {
  ShownPlanner() {
    window.SetSynchronous(true);
    window.askSaveChanges = [](QWidget*, bool) { return LoadPlannerWindow::SaveChoice::Discard; };
    window.askSaveFileName = [this](QWidget*, const QString&) {
      ++saveQuestions;
      return QString();
    };
    window.showError = [this](QWidget*, const QString& message) { errors << message; };
    window.show();
  }
  LoadFieldEdit* Box(const char* name) {
    return window.findChild<LoadFieldEdit*>(QString::fromLatin1(name));
  }
  QString Label(const char* name) {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  // Types `text` into a box as a user does: focus, select all, type.
  void Type(const char* box, const QString& text) {
    LoadFieldEdit* edit = Box(box);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  LoadPlannerWindow window;
  QStringList errors;
  int saveQuestions = 0;
};

}  // namespace

class LoadWindowShownTest : public QObject {
  Q_OBJECT

 private slots:
  // Item by item as a new user builds a load: New Load, then its name, airspeed, exit altitude
  // and heading before any group.
  void valuesTypedBeforeTheFirstGroupGoIntoTheLoad() {
    ShownPlanner p;
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    MenuAction(p.window, QStringLiteral("File"), QStringLiteral("New Load"))->trigger();
    p.Type("loadName", QStringLiteral("Saturday load 7"));
    p.Type("airspeed", QStringLiteral("85"));
    p.Type("exitAltitude", QStringLiteral("13500"));
    p.Type("jumpRunHeading", QStringLiteral("260"));
    p.window.GroupView()->setFocus();

    const load::Load& load = p.window.Document().Load();
    QCOMPARE(load.name, std::string("Saturday load 7"));
    QCOMPARE(load.indicatedAirspeed, 85.0);
    QCOMPARE(load.exitAltitude, 13500.0);
    QCOMPARE(load.jumpRunHeading, std::optional<double>(260));
    QVERIFY(p.window.isWindowModified());
    for (const char* box : {"loadName", "airspeed", "exitAltitude", "jumpRunHeading"}) {
      QVERIFY2(p.Box(box)->Problem().isEmpty(), box);
    }
    // No answer yet, and no refusal either.
    QVERIFY(!p.window.Answer());
    QCOMPARE(p.Label("leastSeparation"), QStringLiteral("Add a group to plan the load"));
    QCOMPARE(p.window.GroupResults().rowCount(), 0);

    // The heading is in the load, so a wind may be given by the direction it blows from.
    QVERIFY(p.window.Winds().AddLayer(-1).isEmpty());
    QVERIFY(p.window.Winds().AddLayer(0).isEmpty());
    const QModelIndex kind = p.window.Winds().index(0, WindTableModel::Kind);
    QVERIFY(p.window.Winds().setData(kind, WindTableModel::KindNames()[1], Qt::EditRole));
    QVERIFY(std::holds_alternative<load::DirectedWind>(load.winds[0].wind));

    // Saving waits for a group, and says so in one line without asking for a file name.
    QVERIFY(!p.window.Save());
    QCOMPARE(p.errors,
             QStringList{"The load was not saved: groups: a load needs at least one group"});
    QCOMPARE(p.saveQuestions, 0);

    // The first group is flown at once with everything typed.
    QVERIFY(p.window.Groups().AddGroup(-1).isEmpty());
    QVERIFY(p.window.Answer());
    QCOMPARE(p.window.Answer()->flown.indicatedAirspeed, 85.0);
    QCOMPARE(p.window.Answer()->flown.exitAltitude, 13500.0);
    QCOMPARE(p.Label("leastSeparation"), QStringLiteral("Least separation: none (one group)"));
  }

  // A text the load refuses is framed in red while it is being typed; once the edit is over the
  // box shows the load's value again and the status bar says why. New Load leaves nothing.
  void aBoxShowsWhatTheLoadHoldsOnceItsEditIsOver() {
    ShownPlanner p;
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    QVERIFY(p.window.StartWith(ThreeGroups()));
    LoadFieldEdit* airspeed = p.Box("airspeed");
    p.Type("airspeed", QStringLiteral("900"));
    QCOMPARE(airspeed->text(), QStringLiteral("900"));
    QVERIFY(!airspeed->Problem().isEmpty());
    // The load took 90 on the way, as typed; 900 is beyond any aircraft's airspeed.
    QCOMPARE(p.window.Document().Load().indicatedAirspeed, 90.0);

    p.window.GroupView()->setFocus();  // the edit is over
    QCOMPARE(airspeed->text(), QStringLiteral("90"));
    QVERIFY(airspeed->Problem().isEmpty());
    const QString note = p.window.statusBar()->currentMessage();
    QVERIFY2(note.contains(QStringLiteral("airspeed")) && note.contains(QStringLiteral("200")),
             qPrintable(note));

    // Return ends the edit too, and a value is shown as the load holds it.
    p.Type("minimumDelay", QStringLiteral("6.0"));
    QTest::keyClick(p.Box("minimumDelay"), Qt::Key_Return);
    QCOMPARE(p.window.Document().Load().minimumDelay, 6.0);
    QCOMPARE(p.Box("minimumDelay")->text(), QStringLiteral("6"));

    // A refused text typed, then New Load with the box still being edited.
    p.Type("exitAltitude", QStringLiteral("-5"));
    QVERIFY(!p.Box("exitAltitude")->Problem().isEmpty());
    MenuAction(p.window, QStringLiteral("File"), QStringLiteral("New Load"))->trigger();
    QCOMPARE(p.Box("exitAltitude")->text(), QStringLiteral("14000"));
    QVERIFY(p.Box("exitAltitude")->Problem().isEmpty());
    QVERIFY(p.Box("exitAltitude")->styleSheet().isEmpty());
  }

  // The Planning panel shows a plan only while the load is the one it was made for: after Best
  // Order and Use This Order it lists no delays of the order before.
  void thePlanningPanelNeverShowsAnotherLoadsPlan() {
    ShownPlanner p;
    load::Load three = ThreeGroups();
    three.groups[1].fallRate.kind = load::FallRate::Kind::Fast;  // Freefly, into the headwind
    QVERIFY(p.window.StartWith(three));

    load::LoadRequest request;
    request.recommend = true;
    const load::LoadOutcome planned = load::PlanLoad(three, request);
    p.window.RecommendDelays();
    QVERIFY(!p.Label("planNote").isEmpty());
    // The note's delays are those the table now holds.
    for (std::size_t k = 1; k < planned.flown.groups.size(); ++k) {
      QCOMPARE(p.window.Document().Load().groups[k].delay, planned.flown.groups[k].delay);
    }

    p.window.FindBestOrder();
    QVERIFY(!p.Label("bestOrder").isEmpty());
    auto* use = p.window.findChild<QPushButton*>(QStringLiteral("useBestOrder"));
    QVERIFY(use && use->isEnabled());
    use->click();
    QVERIFY2(p.Label("planNote").isEmpty(), qPrintable(p.Label("planNote")));
    QVERIFY(p.Label("bestOrder").isEmpty());
    QVERIFY(p.Label("currentOrder").isEmpty());
    QVERIFY(!use->isEnabled());

    // Any edit, and an undo, take a recommendation's note away.
    p.window.RecommendDelays();
    QVERIFY(!p.Label("planNote").isEmpty());
    p.window.Document().UndoStack().undo();
    QVERIFY(p.Label("planNote").isEmpty());
    p.window.RecommendDelays();
    load::Load edited = p.window.Document().Load();
    edited.targetSeparation = 1200;
    QVERIFY(p.window.Document().Propose(edited, QStringLiteral("edit")).isEmpty());
    QVERIFY(p.Label("planNote").isEmpty());
  }

  // Use This Order and Undo leave the focus where the user had it; Ctrl+Z in a box being
  // edited undoes the typing there first, as in every text box, and then the load's edits.
  void theFocusStaysAndCtrlZUndoesTheTypingFirst() {
    ShownPlanner p;
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    load::Load three = ThreeGroups();
    three.groups[1].fallRate.kind = load::FallRate::Kind::Fast;
    QVERIFY(p.window.StartWith(three));
    QTableView* groups = p.window.GroupView();
    groups->setFocus(Qt::MouseFocusReason);
    groups->setCurrentIndex(p.window.Groups().index(1, GroupTableModel::Opening));

    p.window.FindBestOrder();
    auto* use = p.window.findChild<QPushButton*>(QStringLiteral("useBestOrder"));
    QTest::mouseClick(use, Qt::LeftButton);
    QCOMPARE(p.window.Document().UndoStack().count(), 1);
    QCOMPARE(QApplication::focusWidget(), groups);

    QTest::keyClick(groups, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.window.Document().UndoStack().index(), 0);
    QCOMPARE(QApplication::focusWidget(), groups);
    QVERIFY(p.Box("loadName")->selectedText().isEmpty());

    // From the keyboard the button goes grey once used: the focus goes to its neighbour.
    p.window.FindBestOrder();
    use->setFocus(Qt::TabFocusReason);
    QTest::keyClick(use, Qt::Key_Space);
    QCOMPARE(p.window.Document().UndoStack().index(), 1);
    QVERIFY(QApplication::focusWidget() != p.Box("loadName"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("bestOrderButton"));

    // Typing in a box, then Ctrl+Z: the typing goes first, then the load's edits.
    LoadFieldEdit* name = p.Box("loadName");
    name->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(name, QStringLiteral("Sat"));
    QCOMPARE(p.window.Document().Load().name, std::string("Sat"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(name->text(), QString());
    QCOMPARE(p.window.Document().Load().name, std::string());
    QCOMPARE(p.window.Document().UndoStack().index(), 1);  // the order is still used
    QCOMPARE(QApplication::focusWidget(), name);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(p.window.Document().UndoStack().index(), 0);
    QCOMPARE(p.window.Document().Load().groups[1].name, std::string("Freefly"));
  }

  // A real load fits a 1280x800 screen: its first size is within the screen's room, all eight
  // groups are read in both groups tables without scrolling, no header is cut (at 1024x700
  // either), every splitter has room to move, and the warnings take no room without any.
  void aRealLoadFitsTheScreen() {
    QCOMPARE(LoadPlannerWindow::DefaultSize(QSize(3000, 2000)), QSize(1500, 920));
    const QSize small = LoadPlannerWindow::DefaultSize(QSize(1280, 800));
    QVERIFY(small.width() <= 1280 && small.height() + 30 <= 800);  // and a title bar

    load::Load eight = ThreeGroups();
    for (const char* name :
         {"AFF + 2 instructors", "Student solo", "Tandem", "Wingsuit", "Camera"}) {
      load::Group group;
      group.name = name;
      group.delay = 8;
      eight.groups.push_back(group);
    }
    for (const QSize screen : {QSize(1280, 800), QSize(1024, 700)}) {
      ShownPlanner p;
      p.window.resize(LoadPlannerWindow::DefaultSize(screen));
      QVERIFY(p.window.StartWith(eight));
      QVERIFY(QTest::qWaitForWindowExposed(&p.window));
      QCoreApplication::processEvents();
      const QString at = QStringLiteral("%1x%2 ").arg(screen.width()).arg(screen.height());
      QVERIFY2(p.window.height() <= screen.height() - 30, qPrintable(at));
      for (auto* table : p.window.findChildren<QTableView*>()) {
        const QHeaderView* header = table->horizontalHeader();
        for (int column = 0; column < header->count(); ++column) {
          const QString title = table->model()->headerData(column, Qt::Horizontal).toString();
          int widest = 0;
          for (const QString& line : title.split(QLatin1Char('\n'))) {
            widest = std::max(widest, header->fontMetrics().horizontalAdvance(line));
          }
          QVERIFY2(header->sectionSize(column) >= widest,
                   qPrintable(at + table->objectName() + QLatin1Char(' ') + title));
        }
      }
      for (auto* split : p.window.findChildren<QSplitter*>()) {
        int least = split->handleWidth() * (split->count() - 1);
        for (int i = 0; i < split->count(); ++i) {
          const QSize smallest =
              split->widget(i)->minimumSizeHint().expandedTo(split->widget(i)->minimumSize());
          least += split->orientation() == Qt::Horizontal ? smallest.width() : smallest.height();
        }
        const int size = split->orientation() == Qt::Horizontal ? split->width() : split->height();
        QVERIFY2(!split->childrenCollapsible() && least < size,
                 qPrintable(at + split->objectName()));
      }
      if (screen.width() < 1280) continue;
      for (const char* name : {"groups", "groupResults"}) {
        auto* table = p.window.findChild<QTableView*>(QString::fromLatin1(name));
        const int rows = table->verticalHeader()->defaultSectionSize() * 8;
        QVERIFY2(table->viewport()->height() >= rows, name);
      }
    }

    // Built group by group on screen, the groups as flown still show every group.
    ShownPlanner built;
    built.window.resize(LoadPlannerWindow::DefaultSize(QSize(1280, 800)));
    QVERIFY(QTest::qWaitForWindowExposed(&built.window));
    for (int i = 0; i < 8; ++i) QVERIFY(built.window.Groups().AddGroup(i - 1).isEmpty());
    QCoreApplication::processEvents();
    auto* results = built.window.findChild<QTableView*>(QStringLiteral("groupResults"));
    QVERIFY(results->viewport()->height() >= results->verticalHeader()->defaultSectionSize() * 8);

    ShownPlanner quiet;
    load::Load one = ThreeGroups();
    one.groups.resize(1);
    QVERIFY(quiet.window.StartWith(one));
    QVERIFY(quiet.window.WarningTexts().isEmpty());
    QVERIFY(quiet.window.findChild<QGroupBox*>(QStringLiteral("warningsBox"))->isHidden());
  }
};

QTEST_MAIN(LoadWindowShownTest)
#include "load_window_shown_test.moc"
