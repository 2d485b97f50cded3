// The spot in the planner window: the drop zone's and the canopies' boxes edit the load
// undoably and refuse what the load refuses, the groups' canopy cells show the load's canopy
// until a group gets its own, the answer shows the spot with each margin coloured, and Best
// Offset's offset goes into the load as one edit. Expected margins by hand: in calm air a
// canopy's reach is centred on the landing area with radius 0.7 x 20 kt x T, T = (3000 - 1000)
// ft / 14 ft/s, so R = 0.7 x 20 x 1.688 x 2000 / 14 = 3376 ft; one group's best green light
// puts its opening abeam the landing area, so its margin is R - |offset|.
#include <QAction>
#include <QFont>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QtTest>

#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_field_edit.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/result_models.h"
#include "planner_window/spot_panel.h"
#include "three_groups_load.h"

using namespace tarnwick;

namespace {

constexpr double kReach = 3376;  // ft, by hand as above

// A planner computing its answers at once, asking nothing.
struct Planner {
  Planner() {
    window.SetSynchronous(true);
    window.askSaveChanges = [](QWidget*, bool) { return LoadPlannerWindow::SaveChoice::Discard; };
    window.showError = [](QWidget*, const QString& message) { QFAIL(qPrintable(message)); };
  }
  LoadFieldEdit* Box(const char* name) {
    return window.findChild<LoadFieldEdit*>(QString::fromLatin1(name));
  }
  LoadPlannerWindow window;
};

// One slow group opening at 3000 ft over a landing area at sea level, in calm air.
load::Load OneGroup(double offset) {
  load::Load load;
  load::Group group;
  group.name = "Belly";
  load.groups = {group};
  load.jumpRunOffset = offset;
  return load;
}

}  // namespace

class SpotWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theDropZoneBoxesEditUndoablyAndRefuseWhatTheLoadRefuses() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));
    LoadDocument& doc = p.window.Document();
    LoadFieldEdit* elevation = p.Box("elevation");
    QVERIFY(elevation);
    QTest::keyClicks(elevation, QStringLiteral("1500"));
    QVERIFY(doc.Load().dropZone);
    QCOMPARE(doc.Load().dropZone->elevation, std::optional<double>(1500));
    // Typed digit by digit, undone as one edit: the load has no drop zone again.
    doc.UndoStack().undo();
    QVERIFY(!doc.Load().dropZone);

    // Latitude 95 is refused by the load's own check and never reaches it: the load keeps the
    // 9 typed on the way.
    LoadFieldEdit* latitude = p.Box("latitude");
    QTest::keyClicks(latitude, QStringLiteral("95"));
    QVERIFY(latitude->Problem().contains(QStringLiteral("dropZone.latitude")));
    QCOMPARE(doc.Load().dropZone->latitude, std::optional<double>(9));
    // A reach factor above 1 likewise.
    LoadFieldEdit* reach = p.Box("reachFactor");
    reach->selectAll();
    QTest::keyClicks(reach, QStringLiteral("2"));
    QVERIFY(reach->Problem().contains(QStringLiteral("reachFactor")));
    QCOMPARE(doc.Load().reachFactor, load::kDefaultReachFactor);

    // The pattern altitude and the load's canopy in the load's units.
    LoadFieldEdit* pattern = p.Box("patternAltitude");
    pattern->selectAll();
    QTest::keyClicks(pattern, QStringLiteral("1200"));
    QCOMPARE(doc.Load().patternAltitude, 1200.0);
    LoadFieldEdit* sink = p.Box("canopySinkRate");
    sink->selectAll();
    QTest::keyClicks(sink, QStringLiteral("12"));
    QCOMPARE(doc.Load().canopy.sinkRate, 12.0);
    doc.UndoStack().undo();
    QCOMPARE(doc.Load().canopy.sinkRate, load::kDefaultSinkRate);
    QCOMPARE(doc.Load().patternAltitude, 1200.0);
  }

  void aGroupShowsTheLoadsCanopyUntilItHasItsOwn() {
    Planner p;
    load::Load load = ThreeGroups();
    load.canopy = load::Canopy{25, 16};
    load.groups[1].canopy = load::Canopy{30, 10};
    QVERIFY(p.window.StartWith(load));
    GroupTableModel& groups = p.window.Groups();
    const QModelIndex bellySpeed = groups.index(0, GroupTableModel::CanopyAirspeed);
    const QModelIndex freeflySpeed = groups.index(1, GroupTableModel::CanopyAirspeed);
    QCOMPARE(groups.data(bellySpeed, Qt::DisplayRole).toString(), QStringLiteral("25"));
    QVERIFY(groups.data(bellySpeed, Qt::FontRole).value<QFont>().italic());
    QCOMPARE(groups.data(freeflySpeed, Qt::DisplayRole).toString(), QStringLiteral("30"));
    QVERIFY(!groups.data(freeflySpeed, Qt::FontRole).isValid());

    // Belly's sink rate typed: Belly gets its own canopy, the load's airspeed with it.
    QVERIFY(groups.setData(groups.index(0, GroupTableModel::SinkRate), QStringLiteral("12"),
                           Qt::EditRole));
    const load::Load& now = p.window.Document().Load();
    QCOMPARE(now.groups[0].canopy, std::optional<load::Canopy>(load::Canopy{25, 12}));
    QCOMPARE(now.canopy, (load::Canopy{25, 16}));
    QVERIFY(!groups.data(bellySpeed, Qt::FontRole).isValid());
    // Freefly's cleared: the load's again. A sink rate of 0 is refused at the cell.
    QVERIFY(groups.setData(freeflySpeed, QString(), Qt::EditRole));
    QVERIFY(!p.window.Document().Load().groups[1].canopy);
    QVERIFY(!groups.setData(groups.index(2, GroupTableModel::SinkRate), QStringLiteral("0"),
                            Qt::EditRole));
    QVERIFY(!p.window.Document().Load().groups[2].canopy);
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.window.Document().Load().groups[1].canopy,
             std::optional<load::Canopy>(load::Canopy{30, 10}));
  }

  void theAnswerShowsTheSpotWithEachMarginColoured() {
    const struct {
      double offset;
      const char* margin;
      MarginShade shade;
    } cases[] = {
        {0, "3376", MarginShade::Ample},             // the whole reach
        {kReach - 100, "100", MarginShade::Small},   // under 300 ft to spare
        {kReach + 200, "-200", MarginShade::Short},  // out of reach sideways
    };
    for (const auto& c : cases) {
      Planner p;
      QVERIFY(p.window.StartWith(OneGroup(c.offset)));
      SpotPanel& spot = p.window.Spot();
      GroupResultsModel& groups = p.window.GroupResults();
      QCOMPARE(groups.rowCount(), 1);
      const QModelIndex margin = groups.index(0, GroupResultsModel::Margin);
      QCOMPARE(groups.data(margin, Qt::DisplayRole).toString(), QString::fromLatin1(c.margin));
      QCOMPARE(groups.data(margin, Qt::BackgroundRole).value<QColor>(), MarginColour(c.shade));
      QVERIFY(groups.data(margin, Qt::ToolTipRole).toString().contains(QStringLiteral("3376 ft")));
      QVERIFY(spot.LightsText().contains(QStringLiteral("Green light ")));
      QVERIFY(spot.LightsText().contains(QStringLiteral("Red light ")));
      QVERIFY(spot.SummaryText().startsWith(QStringLiteral("Least margin ") +
                                            QString::fromLatin1(c.margin) + QStringLiteral(" ft")));
      if (c.shade == MarginShade::Short) {
        QVERIFY(spot.LightsText().contains(QStringLiteral("no green light brings every group")));
        QVERIFY(spot.SummaryText().contains(QStringLiteral("\"Belly\" is short by 200 ft")));
      }
    }
  }

  void bestOffsetTakesTheOffsetFoundIntoTheLoadAsOneEdit() {
    Planner p;
    QVERIFY(p.window.StartWith(OneGroup(1000)));
    // One action for the menu entry and the button.
    QAction* action = p.window.findChild<QAction*>(QStringLiteral("bestOffsetAction"));
    QVERIFY(action);
    bool inPlanMenu = false;
    for (QAction* top : p.window.menuBar()->actions()) {
      if (top->menu() && top->menu()->actions().contains(action)) inPlanMenu = true;
    }
    QVERIFY(inPlanMenu);
    QSignalSpy triggered(action, &QAction::triggered);
    QSignalSpy shown(&p.window, &LoadPlannerWindow::bestOffsetShown);
    p.window.findChild<QPushButton*>(QStringLiteral("bestOffsetButton"))->click();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(shown.count(), 1);
    // One group in calm air has its whole reach with the jump run over the landing area.
    QVERIFY(p.window.BestOffsetText().contains(QStringLiteral("Best offset: 0 ft ")));
    auto* use = p.window.findChild<QPushButton*>(QStringLiteral("useBestOffset"));
    QVERIFY(use->isEnabled());
    use->click();
    QCOMPARE(p.window.Document().Load().jumpRunOffset, 0.0);
    QVERIFY(!use->isEnabled());
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.window.Document().Load().jumpRunOffset, 1000.0);
  }
};

QTEST_MAIN(SpotWindowTest)
#include "spot_window_test.moc"
