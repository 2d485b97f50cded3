// The planner's inputs as a user edits them: a cell or box changes the load, a text the load
// cannot take stays where it was typed with its reason and never reaches the load, rows move,
// and undo puts the load back. The expected numbers come from the unit definitions (a metre
// is 0.3048 ft, a mile 5280 ft, a knot the model's 1.688 ft/s).
#include <QSignalSpy>
#include <QtTest>

#include "load/load_edits.h"
#include "planner_window/cell_problems.h"
#include "planner_window/cell_text.h"
#include "planner_window/group_table_model.h"
#include "planner_window/latest_only.h"
#include "planner_window/load_document.h"
#include "planner_window/load_field_edit.h"
#include "planner_window/result_models.h"
#include "planner_window/wind_table_model.h"
#include "three_groups_load.h"

using namespace tarnwick;

namespace {

std::vector<std::string> Names(const load::Load& load) {
  std::vector<std::string> names;
  for (const load::Group& g : load.groups) names.push_back(g.name);
  return names;
}

}  // namespace

class LoadModelsTest : public QObject {
  Q_OBJECT

 private slots:
  void cellEditsReachTheLoadInItsUnitsAndUndo() {
    LoadDocument document;
    load::Load start = ThreeGroups();
    start.units.altitude = start.units.distance = load::LengthUnit::Metres;
    document.Reset(start, {});
    GroupTableModel groups(document);
    QSignalSpy changed(&document, &LoadDocument::loadChanged);

    QVERIFY(groups.setData(groups.index(1, GroupTableModel::Opening), QStringLiteral("1000"),
                           Qt::EditRole));
    QCOMPARE(document.Load().groups[1].openingAltitude, 1000 / 0.3048);
    QCOMPARE(groups.data(groups.index(1, GroupTableModel::Opening), Qt::DisplayRole).toString(),
             QStringLiteral("1000"));
    // 120 mph is 176 ft/s, so 176 / 1.688 kt.
    QVERIFY(groups.setData(groups.index(2, GroupTableModel::FallRate), QStringLiteral("120 mph"),
                           Qt::EditRole));
    const load::FallRate& rate = document.Load().groups[2].fallRate;
    QCOMPARE(rate.kind, load::FallRate::Kind::TerminalSpeed);
    QCOMPARE(rate.terminalSpeed, 176 / 1.688);
    QCOMPARE(rate.unit, load::SpeedUnit::MilesPerHour);
    QVERIFY(groups.setData(groups.index(1, GroupTableModel::Delay), QStringLiteral("8.5"),
                           Qt::EditRole));
    QCOMPARE(document.Load().groups[1].delay, 8.5f);
    QCOMPARE(changed.count(), 3);
    QVERIFY(document.IsModified());

    // Leaving a cell as it reads is no edit.
    QVERIFY(!groups.setData(groups.index(1, GroupTableModel::Opening), QStringLiteral("1000"),
                            Qt::EditRole));
    QCOMPARE(document.UndoStack().count(), 3);

    document.UndoStack().undo();
    document.UndoStack().undo();
    document.UndoStack().undo();
    QCOMPARE(document.Load().groups[1].openingAltitude, load::kDefaultOpeningAltitude);
    QCOMPARE(document.Load().groups[2].fallRate.kind, load::FallRate::Kind::Slow);
    QCOMPARE(document.Load().groups[1].delay, 7.0f);
    QVERIFY(!document.IsModified());
  }

  void refusedTextsStayInTheirCellAndOutOfTheLoad() {
    LoadDocument document;
    document.Reset(ThreeGroups(), {});
    GroupTableModel groups(document);
    WindTableModel winds(document);
    const QModelIndex delay = groups.index(2, GroupTableModel::Delay);

    for (const QString& text :
         {QStringLiteral("nine"), QStringLiteral("9,5"), QStringLiteral("")}) {
      QVERIFY(!groups.setData(delay, text, Qt::EditRole));
      QCOMPARE(document.Load().groups[2].delay, 9.0f);
      QCOMPARE(groups.data(delay, Qt::DisplayRole).toString(), text);  // as typed
      QVERIFY(!groups.data(delay, kProblemRole).toString().isEmpty());
      QCOMPARE(groups.data(delay, Qt::ToolTipRole), groups.data(delay, kProblemRole));
    }
    QVERIFY(!groups.setData(groups.index(0, GroupTableModel::Name), QStringLiteral("  "),
                            Qt::EditRole));
    QCOMPARE(document.Load().groups[0].name, std::string("Belly"));
    QVERIFY(!groups.setData(groups.index(0, GroupTableModel::FallRate), QStringLiteral("medium"),
                            Qt::EditRole));
    QVERIFY(!winds.setData(winds.index(0, WindTableModel::Speed), QStringLiteral("fast"),
                           Qt::EditRole));
    QCOMPARE(document.UndoStack().count(), 0);

    // An edit elsewhere keeps the refused text; correcting it clears the frame.
    QVERIFY(groups.setData(groups.index(0, GroupTableModel::Opening), QStringLiteral("3500"),
                           Qt::EditRole));
    QCOMPARE(groups.data(delay, Qt::DisplayRole).toString(), QString());
    QVERIFY(groups.setData(delay, QStringLiteral("10"), Qt::EditRole));
    QVERIFY(groups.data(delay, kProblemRole).isNull());
    QCOMPARE(document.Load().groups[2].delay, 10.0f);
  }

  void movingRowsReordersTheGroupsAndTheGapsKeepTheirDelays() {
    LoadDocument document;
    document.Reset(ThreeGroups(), {});
    GroupTableModel groups(document);
    QVERIFY(!groups.setData(groups.index(2, GroupTableModel::Opening), QStringLiteral("high"),
                            Qt::EditRole));

    QVERIFY(groups.MoveGroup(2, 0).isEmpty());
    QCOMPARE(Names(document.Load()), (std::vector<std::string>{"Tandem", "Belly", "Freefly"}));
    QCOMPARE(document.Load().groups[2].delay, 9.0f);  // the third gap's delay
    // The refused text moved with its group.
    QCOMPARE(groups.data(groups.index(0, GroupTableModel::Opening), Qt::DisplayRole).toString(),
             QStringLiteral("high"));

    // A drop on a row puts the dragged group in that place.
    QMimeData* drag = groups.mimeData({groups.index(0, 0)});
    QVERIFY(groups.dropMimeData(drag, Qt::CopyAction, -1, -1, groups.index(2, 0)));
    delete drag;
    QCOMPARE(Names(document.Load()), (std::vector<std::string>{"Belly", "Freefly", "Tandem"}));

    QVERIFY(groups.AddGroup(0).isEmpty());
    QCOMPARE(document.Load().groups[1].name, std::string("Group 4"));
    QCOMPARE(groups.rowCount(), 4);
    QVERIFY(groups.RemoveGroup(1).isEmpty());
    document.UndoStack().undo();
    document.UndoStack().undo();
    document.UndoStack().undo();
    document.UndoStack().undo();
    QCOMPARE(Names(document.Load()), (std::vector<std::string>{"Belly", "Freefly", "Tandem"}));
    QCOMPARE(groups.rowCount(), 3);
  }

  void windLayersAreAddedBetweenTheirNeighboursAndRemoved() {
    LoadDocument document;
    document.Reset(ThreeGroups(), {});
    WindTableModel winds(document);
    QCOMPARE(winds.data(winds.index(1, WindTableModel::Above), Qt::DisplayRole).toString(),
             QStringLiteral("ground"));
    QVERIFY(!(winds.flags(winds.index(1, WindTableModel::Above)) & Qt::ItemIsEditable));

    QVERIFY(winds.AddLayer(0).isEmpty());  // halfway between the exit at 14000 and 6000
    QCOMPARE(document.Load().winds[0].above, std::optional<double>(10000));
    QVERIFY(winds.RemoveLayer(2).isEmpty());  // the ground layer: the one above reaches it
    QCOMPARE(document.Load().winds.size(), std::size_t{2});
    QVERIFY(!document.Load().winds[1].above);
    QCOMPARE(std::get<load::Headwind>(document.Load().winds[1].wind).component, 20.0);

    // Without a heading a headwind cannot be given as a direction: the cell keeps the choice
    // with the reason, and the load keeps its headwind.
    const QModelIndex kind = winds.index(1, WindTableModel::Kind);
    QVERIFY(!winds.setData(kind, WindTableModel::KindNames()[1], Qt::EditRole));
    QVERIFY(winds.data(kind, kProblemRole).toString().contains(QStringLiteral("heading")));
    QVERIFY(std::holds_alternative<load::Headwind>(document.Load().winds[1].wind));

    // A headwind given as a direction instead: from straight ahead on the heading.
    load::Load headed = document.Load();
    headed.jumpRunHeading = 270;
    QVERIFY(document.Propose(headed, QStringLiteral("heading")).isEmpty());
    QVERIFY(winds.setData(kind, WindTableModel::KindNames()[1], Qt::EditRole));
    QVERIFY(winds.data(kind, kProblemRole).isNull());
    const auto& directed = std::get<load::DirectedWind>(document.Load().winds[1].wind);
    QCOMPARE(directed.speed, 20.0);
    QCOMPARE(directed.from, 270.0);
    QCOMPARE(winds.data(winds.index(1, WindTableModel::From), Qt::DisplayRole).toString(),
             QStringLiteral("270"));
    QVERIFY(winds.flags(winds.index(1, WindTableModel::From)) & Qt::ItemIsEditable);
  }

  void headersFollowTheUnitsAtOnce() {
    LoadDocument document;
    document.Reset(ThreeGroups(), {});
    GroupTableModel groups(document);
    WindTableModel winds(document);
    QSignalSpy groupHeaders(&groups, &QAbstractItemModel::headerDataChanged);
    QSignalSpy windHeaders(&winds, &QAbstractItemModel::headerDataChanged);
    load::Units metric;
    metric.altitude = metric.distance = load::LengthUnit::Metres;
    metric.speed = load::SpeedUnit::MetresPerSecond;
    QVERIFY(document.Propose(load::WithUnits(document.Load(), metric), QStringLiteral("units"))
                .isEmpty());
    QCOMPARE(groupHeaders.count(), 1);
    QCOMPARE(windHeaders.count(), 1);
    QCOMPARE(groups.headerData(GroupTableModel::Opening, Qt::Horizontal, Qt::DisplayRole),
             QVariant(QStringLiteral("Opening (m)")));
    QCOMPARE(winds.headerData(WindTableModel::Speed, Qt::Horizontal, Qt::DisplayRole),
             QVariant(QStringLiteral("Speed (m/s)")));
    // 20 kt = 33.76 ft/s = 10.290048 m/s, entered to a tenth: 10.3.
    QCOMPARE(winds.data(winds.index(0, WindTableModel::Speed), Qt::DisplayRole).toString(),
             QStringLiteral("10.3"));
  }

  void aBoxTypedDigitByDigitIsOneUndoStepAndKeepsARefusedText() {
    LoadDocument document;
    document.Reset(ThreeGroups(), {});
    LoadFieldEdit airspeed(
        document, 1, QStringLiteral("airspeed"),
        [](const load::Load& l) { return NumberCell(l.indicatedAirspeed); },
        [](const QString& text, load::Load& l) {
          const auto value = ReadNumber(text);
          if (!value) return QStringLiteral("not a number");
          l.indicatedAirspeed = *value;
          return QString();
        });
    QCOMPARE(airspeed.text(), QStringLiteral("80"));
    airspeed.setFocus();
    QTest::keyClick(&airspeed, Qt::Key_Backspace);
    QTest::keyClick(&airspeed, Qt::Key_Backspace);
    QTest::keyClicks(&airspeed, QStringLiteral("95"));
    QCOMPARE(document.Load().indicatedAirspeed, 95.0);
    QCOMPARE(airspeed.text(), QStringLiteral("95"));
    QTest::keyClicks(&airspeed, QStringLiteral("x"));
    QCOMPARE(document.Load().indicatedAirspeed, 95.0);
    QCOMPARE(airspeed.text(), QStringLiteral("95x"));
    QCOMPARE(airspeed.Problem(), QStringLiteral("not a number"));
    QCOMPARE(airspeed.toolTip(), QStringLiteral("not a number"));

    // Another edit of the load leaves the box as typed.
    load::Load other = document.Load();
    other.minimumDelay = 6;
    QVERIFY(document.Propose(other, QStringLiteral("other")).isEmpty());
    QCOMPARE(airspeed.text(), QStringLiteral("95x"));

    document.UndoStack().undo();  // the other edit
    document.UndoStack().undo();  // the whole typing session
    QCOMPARE(document.Load().indicatedAirspeed, 80.0);
    QCOMPARE(airspeed.text(), QStringLiteral("80"));
    QVERIFY(airspeed.Problem().isEmpty());
    QVERIFY(!document.UndoStack().canUndo());
  }

  // Long report titles go on two lines, broken at the space nearest the middle; short ones
  // stay as they are (the titles are the report's own, written out by hand here).
  void longHeadersGoOnTwoLines() {
    QCOMPARE(HeaderLines(QStringLiteral("When second opens (ft)")),
             QStringLiteral("When second\nopens (ft)"));
    QCOMPARE(HeaderLines(QStringLiteral("Separation (m)")), QStringLiteral("Separation\n(m)"));
    QCOMPARE(HeaderLines(QStringLiteral("Delay (s)")), QStringLiteral("Delay (s)"));
    QCOMPARE(HeaderLines(QStringLiteral("Group")), QStringLiteral("Group"));
    QCOMPARE(HeaderLines(QStringLiteral("Unbreakabletitle")), QStringLiteral("Unbreakabletitle"));
  }

  void onlyTheLatestAnswerIsDelivered() {
    std::vector<int> delivered;
    LatestOnly<int> runner([&delivered](int value) { delivered.push_back(value); });
    runner.Run([] {
      QThread::msleep(20);  // still computing when the next requests come
      return 1;
    });
    runner.Run([] { return 2; });
    runner.Run([] { return 3; });
    QTRY_VERIFY(!runner.Busy());
    QCOMPARE(delivered, std::vector<int>{3});
    runner.Run([] { return 4; });
    runner.Invalidate();
    QTRY_VERIFY(!runner.Busy());
    QCOMPARE(delivered, std::vector<int>{3});
  }
};

QTEST_MAIN(LoadModelsTest)
#include "load_models_test.moc"
