// The load edits as the planner window offers them: each menu entry and its button are one
// action, the selection stays on the row an edit concerns, Delete removes the selected group
// (and only in the groups table), and a change of units shows and saves the rounded values.
// Expected numbers come from the unit definitions (a metre is 0.3048 ft, the knot 1.688 ft/s).
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/wind_table_model.h"
#include "three_groups_load.h"

using namespace tarnwick;

namespace {

QStringList Names(const load::Load& load) {
  QStringList names;
  for (const load::Group& g : load.groups) names << QString::fromStdString(g.name);
  return names;
}

QAction* EditAction(LoadPlannerWindow& window, const QString& entry) {
  for (QAction* top : window.menuBar()->actions()) {
    if (top->text().remove(QLatin1Char('&')) != QStringLiteral("Edit")) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text().remove(QLatin1Char('&')) == entry) return action;
    }
  }
  return nullptr;
}

QPushButton* Button(LoadPlannerWindow& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == caption) return button;
  }
  return nullptr;
}

// A planner computing its answers at once, asking nothing.
struct Planner {
  Planner() {
    window.SetSynchronous(true);
    window.askSaveChanges = [](QWidget*, bool) { return LoadPlannerWindow::SaveChoice::Discard; };
    window.showError = [](QWidget*, const QString& message) { QFAIL(qPrintable(message)); };
  }
  LoadPlannerWindow window;
};

}  // namespace

class LoadEditsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void eachButtonTriggersItsMenuEntryAndSelectsTheNewRow() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));
    const struct {
      const char* entry;
      const char* button;
    } pairs[] = {{"Add Group", "Add Group"},      {"Remove Group", "Remove Group"},
                 {"Move Group Up", "Move Up"},    {"Move Group Down", "Move Down"},
                 {"Add Wind Layer", "Add Layer"}, {"Remove Wind Layer", "Remove Layer"}};
    for (const auto& pair : pairs) {
      QAction* action = EditAction(p.window, QString::fromLatin1(pair.entry));
      QPushButton* button = Button(p.window, QString::fromLatin1(pair.button));
      QVERIFY2(action && button, pair.entry);
      QSignalSpy triggered(action, &QAction::triggered);
      p.window.GroupView()->setCurrentIndex(QModelIndex());
      p.window.WindView()->setCurrentIndex(QModelIndex());
      button->click();
      QCOMPARE(triggered.count(), 1);
    }

    // Add Group after the selected group: the new one is selected.
    p.window.StartWith(ThreeGroups());
    p.window.GroupView()->setCurrentIndex(p.window.Groups().index(0, GroupTableModel::Name));
    Button(p.window, QStringLiteral("Add Group"))->click();
    QCOMPARE(Names(p.window.Document().Load()),
             (QStringList{"Belly", "Group 4", "Freefly", "Tandem"}));
    QCOMPARE(p.window.GroupView()->currentIndex().row(), 1);

    // Add Layer above the selected layer: the new layer blows as the one it splits.
    p.window.WindView()->setCurrentIndex(p.window.Winds().index(0, WindTableModel::Above));
    Button(p.window, QStringLiteral("Add Layer"))->click();
    const load::Load& load = p.window.Document().Load();
    QCOMPARE(load.winds.size(), std::size_t{3});
    QCOMPARE(load.winds[0].above, std::optional<double>(10000));  // halfway 14000 to 6000
    QCOMPARE(std::get<load::Headwind>(load.winds[0].wind).component, 20.0);
    QCOMPARE(p.window.WindView()->currentIndex().row(), 0);
  }

  void theSelectionFollowsADraggedGroup() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));
    QTableView* view = p.window.GroupView();
    GroupTableModel& groups = p.window.Groups();
    view->setCurrentIndex(groups.index(0, GroupTableModel::Name));

    // Belly dropped on Tandem's row takes its place; Belly stays selected.
    QMimeData* drag = groups.mimeData({groups.index(0, GroupTableModel::Name)});
    QVERIFY(groups.dropMimeData(drag, Qt::CopyAction, -1, -1, groups.index(2, 0)));
    delete drag;
    QCOMPARE(Names(p.window.Document().Load()), (QStringList{"Freefly", "Tandem", "Belly"}));
    QCOMPARE(view->currentIndex().row(), 2);
    QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(view->selectionModel()->selectedRows().front().row(), 2);

    // And with the keyboard's Move Up.
    EditAction(p.window, QStringLiteral("Move Group Up"))->trigger();
    QCOMPARE(Names(p.window.Document().Load()), (QStringList{"Freefly", "Belly", "Tandem"}));
    QCOMPARE(view->currentIndex().row(), 1);
  }

  void deleteRemovesTheSelectedGroupUndoablyAndOnlyInTheGroupsTable() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));
    p.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    QTableView* view = p.window.GroupView();
    view->setFocus();
    view->setCurrentIndex(p.window.Groups().index(1, GroupTableModel::Name));

    QTest::keyClick(view, Qt::Key_Delete);
    QCOMPARE(Names(p.window.Document().Load()), (QStringList{"Belly", "Tandem"}));
    QCOMPARE(view->currentIndex().row(), 1);  // Tandem, ready for the next Delete

    // Delete in the winds table is no group's business.
    p.window.WindView()->setFocus();
    p.window.WindView()->setCurrentIndex(p.window.Winds().index(0, WindTableModel::Speed));
    QTest::keyClick(p.window.WindView(), Qt::Key_Delete);
    QCOMPARE(p.window.Document().Load().groups.size(), std::size_t{2});
    QCOMPARE(p.window.Document().Load().winds.size(), std::size_t{2});

    p.window.Document().UndoStack().undo();
    QCOMPARE(Names(p.window.Document().Load()), (QStringList{"Belly", "Freefly", "Tandem"}));
  }

  void newUnitsShowAtOnceRoundedAndTheFileHoldsWhatIsShown() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));
    QTableView* groups = p.window.GroupView();
    auto* length = p.window.findChild<QComboBox*>(QStringLiteral("lengthUnit"));
    auto* speed = p.window.findChild<QComboBox*>(QStringLiteral("speedUnit"));
    QVERIFY(length && speed);
    QSignalSpy headers(groups->model(), &QAbstractItemModel::headerDataChanged);

    length->setCurrentIndex(length->findData(static_cast<int>(load::LengthUnit::Metres)));
    emit length->activated(length->currentIndex());
    speed->setCurrentIndex(speed->findData(static_cast<int>(load::SpeedUnit::KilometresPerHour)));
    emit speed->activated(speed->currentIndex());

    QVERIFY(headers.count() >= 1);
    QCOMPARE(groups->model()->headerData(GroupTableModel::Opening, Qt::Horizontal).toString(),
             QStringLiteral("Opening (m)"));
    QCOMPARE(
        p.window.WindView()->model()->headerData(WindTableModel::Speed, Qt::Horizontal).toString(),
        QStringLiteral("Speed (km/h)"));
    // 3000 ft = 914.4 m: 914 m. 20 kt = 33.76 ft/s = 37.04 km/h: 37 km/h.
    const QAbstractItemModel& groupCells = p.window.Groups();
    const QAbstractItemModel& windCells = p.window.Winds();
    QCOMPARE(groupCells.data(groupCells.index(0, GroupTableModel::Opening)).toString(),
             QStringLiteral("914"));
    QCOMPARE(windCells.data(windCells.index(0, WindTableModel::Speed)).toString(),
             QStringLiteral("37"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("metric.json"));
    QVERIFY(p.window.SaveTo(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("\"openingAltitude\": 914.0"), text.constData());
    QVERIFY2(text.contains("\"headwind\": 37.0"), text.constData());
  }
};

QTEST_MAIN(LoadEditsWindowTest)
#include "load_edits_window_test.moc"
