// The winds part of the planner window as a user works it: a load's levels in the winds table,
// edited, added, removed and undone; the switch between layers and levels with the buttons and
// menu entries that go with each; the wind source on the answer's side, escaped; and the
// profile picture following an edit. Expected values are the numbers typed and the rules of the
// load edits (a new level halfway below the selected one); the picture is checked by what it
// draws, not by its pixels.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include "load/load_report.h"
#include "load_pictures/wind_profile_picture.h"
#include "output/printable_text.h"
#include "planner_window/cell_problems.h"
#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"
#include "planner_window/wind_profile_view.h"
#include "planner_window/wind_table_model.h"
#include "three_groups_load.h"

using namespace tarnwick;

namespace {

// The planner tests' load with a forecast's levels: 30 kt from 270 at 12000 ft, 10 kt from 240
// at 6000 ft, 5 kt against at 2000 ft, on a jump run of 270.
load::Load WithLevels() {
  load::Load load = ThreeGroups();
  load.winds.clear();
  load.jumpRunHeading = 270;
  load.windLevels = {{12000, load::DirectedWind{30, 270}},
                     {6000, load::DirectedWind{10, 240}},
                     {2000, load::Headwind{5}}};
  load.windSource = load::WindSource{"winds aloft bulletin", "DEN", "", "", "", ""};
  return load;
}

struct Planner {
  Planner() {
    window.SetSynchronous(true);
    window.askSaveChanges = [](QWidget*, bool) { return LoadPlannerWindow::SaveChoice::Discard; };
    window.showError = [](QWidget*, const QString& message) { QFAIL(qPrintable(message)); };
  }
  QPushButton* Button(const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
      if (button->text() == caption) return button;
    }
    return nullptr;
  }
  QAction* EditAction(const QString& entry) {
    for (QAction* top : window.menuBar()->actions()) {
      if (!top->menu()) continue;
      for (QAction* action : top->menu()->actions()) {
        if (action->text().remove(QLatin1Char('&')) == entry) return action;
      }
    }
    return nullptr;
  }
  QString Cell(int row, int column) { return window.Winds().index(row, column).data().toString(); }
  bool Type(int row, int column, const QString& text) {
    return window.Winds().setData(window.Winds().index(row, column), text, Qt::EditRole);
  }
  std::vector<double> Altitudes() {
    std::vector<double> altitudes;
    for (const auto& level : window.Document().Load().windLevels) {
      altitudes.push_back(level.altitude);
    }
    return altitudes;
  }
  LoadPlannerWindow window;
};

// The speed line's ends in the profile, as (speed, altitude) in the picture's units.
QList<QPointF> SpeedPoints(const Canvas& canvas) {
  QList<QPointF> points;
  for (const Figure& f : canvas.Figures()) {
    if (f.kind != Figure::Kind::Line || f.colour != kProfileSpeedColour) continue;
    points << QPointF(f.x1, f.y1) << QPointF(f.x2, f.y2);
  }
  return points;
}

}  // namespace

class WindsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void theLevelsTableEditsAddsRemovesAndUndoesLevels() {
    Planner p;
    QVERIFY(p.window.StartWith(WithLevels()));
    WindTableModel& winds = p.window.Winds();
    QCOMPARE(winds.rowCount(), 3);
    QCOMPARE(winds.headerData(WindTableModel::Above, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Altitude (ft)"));
    QCOMPARE(p.Cell(1, WindTableModel::Above), QStringLiteral("6000"));
    QCOMPARE(p.Cell(1, WindTableModel::From), QStringLiteral("240"));
    QCOMPARE(p.Cell(2, WindTableModel::Kind), QStringLiteral("Headwind"));

    // A speed typed in; a text the load cannot take stays in its cell with the reason.
    QVERIFY(p.Type(1, WindTableModel::Speed, QStringLiteral("14")));
    QCOMPARE(std::get<load::DirectedWind>(p.window.Document().Load().windLevels[1].wind).speed,
             14.0);
    QVERIFY(!p.Type(0, WindTableModel::Speed, QStringLiteral("300")));
    QVERIFY(!winds.index(0, WindTableModel::Speed).data(kProblemRole).toString().isEmpty());

    // An altitude above the top level moves its row there, and the selection goes with it.
    p.window.WindView()->setCurrentIndex(winds.index(2, WindTableModel::Above));
    QVERIFY(p.Type(2, WindTableModel::Above, QStringLiteral("15000")));
    QCOMPARE(p.Altitudes(), (std::vector<double>{15000, 12000, 6000}));
    QCOMPARE(p.window.WindView()->currentIndex().row(), 0);
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.Altitudes(), (std::vector<double>{12000, 6000, 2000}));

    // Add Level below the selected 12000 ft level: halfway to 6000 ft; Remove Level takes it
    // out again; each is one undo step.
    p.window.WindView()->setCurrentIndex(winds.index(0, 0));
    QVERIFY(p.Button(QStringLiteral("Add Level"))->isVisibleTo(&p.window));
    p.Button(QStringLiteral("Add Level"))->click();
    QCOMPARE(p.Altitudes(), (std::vector<double>{12000, 9000, 6000, 2000}));
    QCOMPARE(p.window.WindView()->currentIndex().row(), 1);
    p.Button(QStringLiteral("Remove Level"))->click();
    QCOMPARE(p.Altitudes(), (std::vector<double>{12000, 6000, 2000}));
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.Altitudes(), (std::vector<double>{12000, 9000, 6000, 2000}));
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.Altitudes(), (std::vector<double>{12000, 6000, 2000}));
  }

  void theSwitchGivesTheWindsAsLayersOrLevelsWithTheirOwnButtons() {
    Planner p;
    QVERIFY(p.window.StartWith(ThreeGroups()));  // 20 kt against above 6000 ft, calm below
    auto* levels = p.window.findChild<QRadioButton*>(QStringLiteral("windsAsLevels"));
    auto* layers = p.window.findChild<QRadioButton*>(QStringLiteral("windsAsLayers"));
    QVERIFY(layers->isChecked());
    QVERIFY(p.EditAction(QStringLiteral("Add Wind Layer"))->isEnabled());
    QVERIFY(!p.EditAction(QStringLiteral("Add Wind Level"))->isEnabled());
    QVERIFY(!p.window.findChild<QLabel*>(QStringLiteral("windsMeaning"))->text().isEmpty());

    levels->click();
    // 6000 ft with the upper wind, 5999 ft with the calm below: the step stays a step.
    QCOMPARE(p.Altitudes(), (std::vector<double>{6000, 5999}));
    QVERIFY(levels->isChecked());
    QVERIFY(p.window.Document().Load().winds.empty());
    QVERIFY(p.Button(QStringLiteral("Add Level"))->isVisibleTo(&p.window));
    QVERIFY(!p.Button(QStringLiteral("Add Layer"))->isVisibleTo(&p.window));
    QVERIFY(!p.EditAction(QStringLiteral("Add Wind Layer"))->isEnabled());
    QVERIFY(p.EditAction(QStringLiteral("Add Wind Level"))->isEnabled());

    // One undo step brings the layers back, and the switch follows.
    p.window.Document().UndoStack().undo();
    QCOMPARE(p.window.Document().Load().winds.size(), std::size_t{2});
    QVERIFY(layers->isChecked());

    // Levels from a forecast to layers: the source goes with them.
    QVERIFY(p.window.StartWith(WithLevels()));
    layers->click();
    QVERIFY(p.window.Document().Load().windLevels.empty());
    QVERIFY(!p.window.Document().Load().windSource);
    QCOMPARE(p.window.Winds().rowCount(), 3);
  }

  void theWindSourceIsShownWithTheAnswerEscaped() {
    Planner p;
    load::Load load = WithLevels();
    load.windSource->station = "DEN<b>\x1b[2J";
    QVERIFY(p.window.StartWith(load));
    auto* source = p.window.findChild<QLabel*>(QStringLiteral("windSource"));
    QVERIFY(!source->isHidden());
    QCOMPARE(source->textFormat(), Qt::PlainText);
    QVERIFY(source->text().contains(QStringLiteral("DEN<b>")));
    QVERIFY(!source->text().contains(QChar(0x1b)));
    QCOMPARE(source->text().toStdString(), PrintableText(load::WindSourceLine(*load.windSource)));

    QVERIFY(p.window.StartWith(ThreeGroups()));
    QVERIFY(source->isHidden());
  }

  void theProfileFollowsAnEdit() {
    Planner p;
    QVERIFY(p.window.StartWith(WithLevels()));
    auto* profile = p.window.findChild<WindProfileView*>(QStringLiteral("windProfile"));
    QVERIFY(profile);
    // The 12000 ft level's 30 kt is a point of the speed line; typed 45 kt, the line moves.
    QVERIFY(SpeedPoints(profile->canvas()).contains(QPointF(30, 12000)));
    QVERIFY(p.Type(0, WindTableModel::Speed, QStringLiteral("45")));
    QVERIFY(SpeedPoints(profile->canvas()).contains(QPointF(45, 12000)));
    QVERIFY(!SpeedPoints(profile->canvas()).contains(QPointF(30, 12000)));
    // Undone, it is back.
    p.window.Document().UndoStack().undo();
    QVERIFY(SpeedPoints(profile->canvas()).contains(QPointF(30, 12000)));
  }
};

QTEST_MAIN(WindsPanelTest)
#include "winds_panel_test.moc"
