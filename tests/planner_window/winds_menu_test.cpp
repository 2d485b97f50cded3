// The planner window's Winds menu: a pasted bulletin of several stations (the station asked
// through the hook and remembered), a file that is not a forecast, and the forecast fetched
// from a service on this machine while the window keeps working; each import one undo step.
#include "planner_window/winds_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"
#include "tests/forecast_fetch/recorded_response.h"
#include "tests/forecast_fetch/replay_server.h"

using namespace tarnwick;

namespace {

// A bulletin as the aviation weather service writes one (levels in feet msl, DDss groups).
const char kBulletin[] =
    "DATA BASED ON 131200Z\n"
    "VALID 131800Z   FOR USE 1400-2100Z. TEMPS NEG ABV 24000\n\n"
    "FT  3000    6000    9000   12000   18000   24000  30000  34000  39000\n"
    "DEN              9900+10 2729+02 7325-12 2845-24 779939 771045 770655\n"
    "ABI 2415 2418+15 2422+09 2327+03 2541-09 2556-21 750937 751047 760957\n";

load::Load AtTheDropZone() {
  load::Load load;
  load.jumpRunHeading = 90;
  load.dropZone = load::DropZone{"Test", 39.57, -104.85, 5000};
  load.groups.resize(2);
  load.groups[0].name = "A";
  load.groups[1].name = "B";
  load.groups[1].delay = 6;
  for (load::Group& group : load.groups) group.openingAltitude = 8000;  // above the field
  return load;
}

// A window on AtTheDropZone() whose Winds menu's errors are collected in `errors`.
struct Planner {
  explicit Planner(QStringList& errors) {
    window.SetSynchronous(true);
    window.showError = [&errors](QWidget*, const QString& m) { errors << m; };
    QVERIFY(window.StartWith(AtTheDropZone()));
    window.WindsImport().showError = [&errors](QWidget*, const QString& m) { errors << m; };
  }
  LoadPlannerWindow window;
};

}  // namespace

class WindsMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
  }

  void aPastedBulletinAsksForItsStationOnceAndIsOneUndoStep() {
    QStringList errors;
    Planner planner(errors);
    LoadPlannerWindow& window = planner.window;
    WindsMenu& menu = window.WindsImport();
    QStringList offered;
    QString lastShown;
    menu.askStation = [&](QWidget*, const QStringList& stations, const QString& last) {
      offered = stations;
      lastShown = last;
      return QStringLiteral("ABI");
    };
    QApplication::clipboard()->setText(QString::fromLatin1(kBulletin));
    menu.PasteWinds();
    QCOMPARE(errors, QStringList());
    QCOMPARE(offered, (QStringList{QStringLiteral("ABI"), QStringLiteral("DEN")}));  // sorted
    const load::Load& load = window.Document().Load();
    QVERIFY(load.winds.empty());
    // ABI from 39000 ft down to 3000 ft, nine levels; 3000 ft lies below the drop zone.
    QCOMPARE(load.windLevels.size(), 8u);
    QCOMPARE(load.windLevels.front().altitude, 39000.0);
    QCOMPARE(load.windSource->station, std::string("ABI"));
    QCOMPARE(window.Document().UndoStack().count(), 1);
    QCOMPARE(window.Document().UndoStack().undoText(), QStringLiteral("Paste winds"));
    window.Document().UndoStack().undo();
    QVERIFY(window.Document().Load().windLevels.empty());

    // The station chosen is offered first next time; no station chosen: nothing changes.
    menu.askStation = [&](QWidget*, const QStringList&, const QString& last) {
      lastShown = last;
      return QString();
    };
    menu.PasteWinds();
    QCOMPARE(lastShown, QStringLiteral("ABI"));
    QVERIFY(window.Document().Load().windLevels.empty());
    QCOMPARE(errors, QStringList());
  }

  void aFileThatIsNoForecastChangesNothing() {
    QStringList errors;
    Planner planner(errors);
    LoadPlannerWindow& window = planner.window;
    WindsMenu& menu = window.WindsImport();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("metar.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("METAR KDEN 131753Z\n");
    file.close();
    menu.askWindsFileName = [&](QWidget*) { return path; };
    menu.ImportFile();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith(QStringLiteral("The winds were not imported: \"metar.txt\": the "
                                                 "text is neither")),
             qPrintable(errors[0]));
    QVERIFY(errors[0].endsWith(QStringLiteral("; the winds are unchanged")));
    QCOMPARE(window.Document().UndoStack().count(), 0);
  }

  void theForecastArrivesWhileTheWindowWorksAndCanBeCancelled() {
    test::ReplayServer server;
    QVERIFY(server.Listening());
    QStringList errors;
    Planner planner(errors);
    LoadPlannerWindow& window = planner.window;
    WindsMenu& menu = window.WindsImport();
    menu.Fetcher().SetBaseAddress(server.Address());

    // Cancelled while the service is silent: nothing changes, and no error.
    server.StaySilent();
    menu.GetForecast();
    QVERIFY(menu.Fetching());
    QVERIFY(!menu.ProgressNote()->isHidden());
    QTRY_COMPARE(server.Requests(), 1);
    menu.CancelForecast();
    QVERIFY(!menu.Fetching());
    QVERIFY(menu.ProgressNote()->isHidden());

    // An HTTP error: one line, the winds unchanged.
    server.Answer("500 Internal Server Error", "{}");
    menu.GetForecast();
    QTRY_VERIFY(!menu.Fetching());
    QCOMPARE(errors, QStringList{QStringLiteral(
                         "The forecast was not used: the forecast service at 127.0.0.1 answered "
                         "HTTP 500 Internal Server Error; the winds are unchanged")});
    QCOMPARE(window.Document().UndoStack().count(), 0);

    // The forecast is asked for the current hour; the recorded answer is for another one.
    server.Answer("200 OK", test::RecordedResponse("39.57", "2026-06-13T15:00"));
    errors.clear();
    menu.GetForecast();
    QTRY_VERIFY(!menu.Fetching());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QStringLiteral("more than an hour away")), qPrintable(errors[0]));
    QCOMPARE(window.Document().UndoStack().count(), 0);
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(WindsMenuTest)
#include "winds_menu_test.moc"
