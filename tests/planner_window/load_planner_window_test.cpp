// The load planner window as a user meets it: opened from the data entry window on its
// scenario (whose two-group answer is the run's own report), from a file, saved, closed with
// unsaved changes, with every question answered by a counter instead of a modal box. And the
// data entry window's new menus, which reach the planner and the existing commands.
#include "planner_window/load_planner_window.h"

#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/program.h"
#include "briefing/briefing_actions.h"
#include "entry/form2.h"
#include "load_pictures/load_view_widget.h"
#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_file_io.h"
#include "planner_window/recent_loads.h"
#include "planner_window/result_models.h"
#include "planner_window/save_changes_box.h"
#include "sim/simulation.h"

using namespace tarnwick;

namespace {

// A planner whose questions are answered by the test and counted.
struct CountingPlanner {
  explicit CountingPlanner(LoadPlannerWindow& w) : window(w) {
    window.SetSynchronous(true);
    window.askSaveChanges = [this](QWidget*, bool mayCancel) {
      ++questions;
      lastMayCancel = mayCancel;
      return answer;
    };
    window.askOpenFileName = [this](QWidget*) { return openName; };
    window.askSaveFileName = [this](QWidget*, const QString&) { return saveName; };
    window.showError = [this](QWidget*, const QString& message) { errors << message; };
  }
  LoadPlannerWindow& window;
  LoadPlannerWindow::SaveChoice answer = LoadPlannerWindow::SaveChoice::Cancel;
  int questions = 0;
  bool lastMayCancel = true;
  QString openName, saveName;
  QStringList errors;
};

QAction* MenuAction(QMenuBar* bar, const QString& menu, const QString& entry) {
  for (QAction* top : bar->actions()) {
    if (top->text().remove(QLatin1Char('&')) != menu || !top->menu()) continue;
    for (QAction* action : top->menu()->actions()) {
      if (action->text().remove(QLatin1Char('&')) == entry) return action;
    }
  }
  return nullptr;
}

}  // namespace

class LoadPlannerWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // Recent loads go to a settings file of the test's own.
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
  }

  void theDataEntryWindowHasItsMenusAboveAnUnchangedClientArea() {
    Program program("", {});
    int abouts = 0;
    program.showAbout = [&abouts](QWidget*) { ++abouts; };
    QMenuBar* bar = program.DataEntry().MenuBar();
    QCOMPARE(program.DataEntry().ClientArea()->size(), QSize(337, 464));
    QAction* plan = MenuAction(bar, QStringLiteral("Plan"), QStringLiteral("Plan a Whole Load..."));
    QVERIFY(plan);
    QCOMPARE(plan->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QAction* open = MenuAction(bar, QStringLiteral("Plan"), QStringLiteral("Open Load..."));
    QVERIFY(open);
    QCOMPARE(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    // The recent loads go by one name here and in the planner's File menu.
    QVERIFY(MenuAction(bar, QStringLiteral("Plan"), QStringLiteral("Open Recent")));
    QVERIFY(MenuAction(program.Planner().menuBar(), QStringLiteral("File"),
                       QStringLiteral("Open Recent")));
    QVERIFY(MenuAction(bar, QStringLiteral("Plot"), QStringLiteral("Save Plot As...")));
    QVERIFY(MenuAction(bar, QStringLiteral("Plot"), QStringLiteral("Copy Results")));
    QVERIFY(MenuAction(bar, QStringLiteral("Help"), QStringLiteral("Details")));
    MenuAction(bar, QStringLiteral("Help"), QStringLiteral("About"))->trigger();
    QCOMPARE(abouts, 1);
    // The designed controls keep their places in the client area.
    QCOMPARE(program.DataEntry().findChild<QWidget*>(QStringLiteral("btnGo"))->geometry(),
             QRect(200, 304, 57, 25));
  }

  void aWholeLoadStartsFromTheScenarioAndAgreesWithTheReport() {
    Program program("5", {});  // preset 5: fast then slow, 18 s apart, 50 kt above 4500 ft
    LoadPlannerWindow& window = program.Planner();
    CountingPlanner planner(window);
    // Typed but not yet limited by Go: the planner takes what Go would run.
    program.DataEntry().SetText(Box::Ias, "250");

    program.PlanWholeLoad();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isWindowModified());
    const load::Load& load = window.Document().Load();
    QCOMPARE(load.indicatedAirspeed, 200.0);  // Go's limit on the airspeed
    QCOMPARE(load.winds.size(), std::size_t{2});
    QCOMPARE(load.winds[0].above, std::optional<double>(4500));
    QCOMPARE(std::get<load::Headwind>(load.winds[0].wind).component, 50.0);
    QCOMPARE(std::get<load::Headwind>(load.winds[1].wind).component, 10.0);
    QCOMPARE(load.groups.size(), std::size_t{2});
    QCOMPARE(load.groups[0].fallRate.kind, load::FallRate::Kind::Fast);
    QCOMPARE(load.groups[1].fallRate.kind, load::FallRate::Kind::Slow);
    QCOMPARE(load.groups[1].delay, 18.0f);

    QVERIFY(window.Answer() && !window.Answer()->flight.groups.empty());
    // The same scenario run headless, as --report runs it.
    Module1 module;
    module.scenario = program.Module().scenario;
    module.scenario.ias = 200;
    const RunResult run = RunSimulation(module, nullptr, nullptr, nullptr).result;
    const load::LoadFlight& flight = window.Answer()->flight;
    for (int jumper = 1; jumper <= 2; ++jumper) {
      QCOMPARE(flight.groups[jumper - 1].fallTime, run.pullTime[jumper]);
      QCOMPARE(flight.groups[jumper - 1].openingDownrange, run.pullDownrange[jumper]);
    }
    QCOMPARE(static_cast<float>(flight.pairs[0].betweenDeploymentPoints),
             run.DeploymentSeparation());
    QCOMPARE(window.GroupResults().rowCount(), 2);
    QCOMPARE(window.PairResults().rowCount(), 1);
  }

  void opensSavesAndAsksBeforeLosingEdits() {
    QTemporaryDir dir;
    LoadPlannerWindow window;
    CountingPlanner planner(window);
    load::Load start;
    load::Group group;
    group.name = "Belly";
    start.groups = {group, group};
    start.groups[1].name = "Tandem";
    QVERIFY(window.StartWith(start));
    QCOMPARE(window.windowTitle(), QStringLiteral("Untitled[*] - Tarnwick load planner"));

    // A file that is not a load is refused and the load stays.
    const QString bad = dir.filePath(QStringLiteral("bad") + kLoadFileSuffix);
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not json");
    file.close();
    QVERIFY(!window.OpenFile(bad));
    QCOMPARE(planner.errors.size(), 1);
    QCOMPARE(window.Document().Load().groups[1].name, std::string("Tandem"));
    // A folder and a FIFO are refused at once, in one line naming them; the FIFO, which has no
    // writer, would hold a plain open for good.
    const QString fifo = dir.filePath(QStringLiteral("fifo") + kLoadFileSuffix);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!window.OpenFile(dir.path()));
    QVERIFY(!window.OpenFile(fifo));
    QCOMPARE(planner.errors.size(), 3);
    QCOMPARE(planner.errors[1],
             QStringLiteral("The load was not opened: \"%1\": is a folder").arg(dir.path()));
    QVERIFY(planner.errors[2].endsWith(QStringLiteral(": is not a regular file but a FIFO")));
    QCOMPARE(window.Document().Load().groups[1].name, std::string("Tandem"));

    // An edit marks the window; closing asks, and Cancel keeps it open with the edit.
    window.show();
    QVERIFY(window.Groups().setData(window.Groups().index(1, GroupTableModel::Name),
                                    QStringLiteral("Tandem 2"), Qt::EditRole));
    QVERIFY(window.isWindowModified());
    QSignalSpy closed(&window, &LoadPlannerWindow::closed);
    QVERIFY(!window.close());
    QCOMPARE(planner.questions, 1);
    QVERIFY(planner.lastMayCancel);
    QCOMPARE(closed.count(), 0);

    // Save asks for a name once and writes the file; the title names it.
    const QString saved = dir.filePath(QStringLiteral("sunday") + kLoadFileSuffix);
    planner.saveName = saved;
    QVERIFY(window.Save());
    QVERIFY(QFile::exists(saved));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(window.windowTitle(),
             QStringLiteral("sunday.tarnwick-load.json[*] - Tarnwick load planner"));
    QCOMPARE(recent_loads::List().value(0), QFileInfo(saved).absoluteFilePath());
    // A save that cannot be made says so and keeps the window's changes unsaved.
    window.Document().UndoStack().undo();
    QVERIFY(!window.SaveTo(dir.filePath(QStringLiteral("no/such/folder/x.json"))));
    QCOMPARE(planner.errors.size(), 4);
    QVERIFY(window.isWindowModified());

    // Discard lets it close; unmodified it closes without a question.
    planner.answer = LoadPlannerWindow::SaveChoice::Discard;
    QVERIFY(window.close());
    QCOMPARE(planner.questions, 2);
    QCOMPARE(closed.count(), 1);

    QVERIFY(window.OpenFile(saved));
    QCOMPARE(window.Document().Load().groups[1].name, std::string("Tandem 2"));
    QVERIFY(!window.isWindowModified());
  }

  void theProgramsExitAsksWithACancelThatKeepsItRunning() {
    Program program("", {});
    int quits = 0;
    program.quitApplication = [&quits] { ++quits; };
    program.Show();
    CountingPlanner planner(program.Planner());
    program.PlanWholeLoad();
    QVERIFY(program.Planner().Groups().setData(
        program.Planner().Groups().index(0, GroupTableModel::Name), QStringLiteral("A"),
        Qt::EditRole));

    // Exit, Esc in the data entry window and its close box: each asks, with Cancel, and
    // Cancel keeps every window as it was.
    planner.answer = LoadPlannerWindow::SaveChoice::Cancel;
    program.Exit();
    QTest::keyClick(&program.DataEntry(), Qt::Key_Escape);
    QVERIFY(!program.DataEntry().close());
    QCOMPARE(planner.questions, 3);
    QVERIFY(planner.lastMayCancel);
    QCOMPARE(quits, 0);
    QVERIFY(!program.IsEnding());
    QVERIFY(program.DataEntry().isVisible() && program.Planner().isVisible());
    QVERIFY(program.Planner().isWindowModified());

    // Discard ends it, after a single question for the close box and the Exit it leads to.
    planner.answer = LoadPlannerWindow::SaveChoice::Discard;
    QVERIFY(program.DataEntry().close());
    QCOMPARE(planner.questions, 4);
    QCOMPARE(quits, 1);
    QVERIFY(!program.Planner().isVisible());
  }

  void theQuestionsEscapeIsCancelAndOnlyWhereThereIsOne() {
    const auto box = MakeSaveChangesBox(nullptr, QStringLiteral("t"), true);
    QVERIFY(box->button(QMessageBox::Cancel));
    QVERIFY(box->escapeButton() == box->button(QMessageBox::Cancel));
    QVERIFY(box->defaultButton() == box->button(QMessageBox::Save));
    const auto noCancel = MakeSaveChangesBox(nullptr, QStringLiteral("t"), false);
    QVERIFY(!noCancel->button(QMessageBox::Cancel));
    QVERIFY(!noCancel->escapeButton());
  }

  void closingWithDiscardForgetsTheLoad() {
    QTemporaryDir dir;
    Program program("", {});
    CountingPlanner planner(program.Planner());
    LoadPlannerWindow& window = program.Planner();
    program.PlanWholeLoad();
    const std::string scenarioName = window.Document().Load().groups[0].name;
    QVERIFY(window.Groups().setData(window.Groups().index(0, GroupTableModel::Name),
                                    QStringLiteral("Edited"), Qt::EditRole));
    planner.answer = LoadPlannerWindow::SaveChoice::Discard;
    QVERIFY(window.close());
    QCOMPARE(planner.questions, 1);

    // Planning again asks nothing and saves nothing: the discarded edit is gone.
    planner.answer = LoadPlannerWindow::SaveChoice::Save;
    planner.saveName = dir.filePath(QStringLiteral("discarded") + kLoadFileSuffix);
    program.PlanWholeLoad();
    QCOMPARE(planner.questions, 1);
    QVERIFY(!QFile::exists(planner.saveName));
    QVERIFY(window.isVisible() && !window.isWindowModified());
    QCOMPARE(window.Document().Load().groups[0].name, scenarioName);
    // Closed unmodified and opened from a file: no question either.
    QVERIFY(window.close());
    planner.openName = dir.filePath(QStringLiteral("none.json"));
    QVERIFY(!program.Planner().OpenWithDialog());
    QCOMPARE(planner.questions, 1);
  }

  void aNewLoadClearsThePictures() {
    Program program("", {});
    LoadPlannerWindow& window = program.Planner();
    CountingPlanner planner(window);
    program.PlanWholeLoad();
    auto* side = window.findChild<LoadViewWidget*>(QStringLiteral("sideView"));
    auto* top = window.findChild<LoadViewWidget*>(QStringLiteral("topView"));
    QVERIFY(side && top);
    QVERIFY(!side->canvas().Figures().empty() && !top->canvas().Figures().empty());
    MenuAction(window.menuBar(), QStringLiteral("File"), QStringLiteral("New Load"))->trigger();
    QCOMPARE(window.Groups().rowCount(), 0);
    for (LoadViewWidget* view : {side, top}) {
      QVERIFY(view->tracks().groups.empty());
      QVERIFY(view->canvas().Figures().empty());
    }
  }

  void theFileMenuHasOneAccessKeyPerEntryAndSafeNames() {
    Program program("", {});
    LoadPlannerWindow& window = program.Planner();
    CountingPlanner planner(window);
    // Every entry of the File menu has an access key of its own.
    QMenu* file = nullptr;
    for (QAction* top : window.menuBar()->actions()) {
      if (top->text() == QStringLiteral("&File")) file = top->menu();
    }
    QVERIFY(file);
    QSet<QChar> keys;
    for (QAction* action : file->actions()) {
      if (action->isSeparator()) continue;
      const QString text = action->text();
      const qsizetype amp = text.indexOf(QLatin1Char('&'));
      QVERIFY2(amp >= 0 && amp + 1 < text.size(), qPrintable(text));
      const QChar key = text.at(amp + 1).toLower();
      QVERIFY2(!keys.contains(key), qPrintable(text));
      keys.insert(key);
    }
    QCOMPARE(
        MenuAction(window.menuBar(), QStringLiteral("File"), QStringLiteral("Export Briefing..."))
            ->text(),
        QStringLiteral("Export &Briefing..."));

    // A load named with a colon and a slash: Save As and Print offer names a file can have.
    load::Load load;
    load.name = "Saturday: load 7/8";
    load.groups.resize(2);
    QVERIFY(window.StartWith(load));
    QString suggested;
    window.askSaveFileName = [&suggested](QWidget*, const QString& name) {
      suggested = name;
      return QString();
    };
    window.SaveAs();
    QCOMPARE(suggested, QStringLiteral("Saturday- load 7-8.tarnwick-load.json"));
    QString docName;
    SetPrintDialogHook([&docName](QPrinter& printer, QWidget*) {
      docName = printer.docName();
      return false;
    });
    MenuAction(window.menuBar(), QStringLiteral("File"), QStringLiteral("Print..."))->trigger();
    SetPrintDialogHook({});
    QCOMPARE(docName, QStringLiteral("Briefing - Saturday- load 7-8"));
  }

  void theOpenDialogOffersLoadFilesAndAllJsonFiles() {
    // The filters as the file dialog itself reads them, and the files each one shows.
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(kLoadFileFilter);
    const QStringList filters = dialog.nameFilters();
    QCOMPARE(filters, (QStringList{QStringLiteral("Load files (*.tarnwick-load.json *.json)"),
                                   QStringLiteral("All JSON files (*.json)")}));
    const auto shows = [](const QString& filter, const QString& file) {
      const QString patterns = filter.section(QLatin1Char('('), 1).chopped(1);
      return QDir::match(patterns.split(QLatin1Char(' ')), file);
    };
    QVERIFY(shows(filters[0], QStringLiteral("sunday.tarnwick-load.json")));
    QVERIFY(shows(filters[0], QStringLiteral("saturday.json")));
    QVERIFY(!shows(filters[0], QStringLiteral("notes.txt")));
    QVERIFY(shows(filters[1], QStringLiteral("saturday.json")));
  }

  void itsPicturesFollowTheLoadAndItsPrintedSheetCallsEveryDelay() {
    Program program("", {});
    LoadPlannerWindow& window = program.Planner();
    CountingPlanner planner(window);
    load::Load six;
    for (const char* name : {"Belly 1", "Belly 2", "Freefly", "Tandem", "Wingsuit", "Student"}) {
      load::Group group;
      group.name = name;
      group.delay = 9;
      six.groups.push_back(group);
    }
    six.groups[2].fallRate.kind = load::FallRate::Kind::Fast;
    QVERIFY(window.StartWith(six));
    auto* side = window.findChild<LoadViewWidget*>(QStringLiteral("sideView"));
    auto* top = window.findChild<LoadViewWidget*>(QStringLiteral("topView"));
    QVERIFY(side && top);
    QCOMPARE(side->tracks().groups.size(), std::size_t{6});
    QCOMPARE(top->tracks().groups.size(), std::size_t{6});
    QVERIFY(window.Groups().setData(window.Groups().index(5, GroupTableModel::Name),
                                    QStringLiteral("AFF"), Qt::EditRole));
    QCOMPARE(side->tracks().groups[5].name, std::string("AFF"));

    // Print... on a PDF printer instead of the print dialog: the sheet names every group and
    // the whole seconds to call before it.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    SetPrintDialogHook([&pdf](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    });
    QAction* print =
        MenuAction(window.menuBar(), QStringLiteral("File"), QStringLiteral("Print..."));
    QVERIFY(print);
    QVERIFY(
        MenuAction(window.menuBar(), QStringLiteral("File"), QStringLiteral("Export Briefing...")));
    print->trigger();
    SetPrintDialogHook({});
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    QVERIFY2(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is needed");
    QProcess reader;
    reader.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(reader.waitForFinished());
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("Belly 1 +first out"))),
             qPrintable(text));
    for (const QString& name :
         {QStringLiteral("Belly 2"), QStringLiteral("Freefly"), QStringLiteral("Tandem"),
          QStringLiteral("Wingsuit"), QStringLiteral("AFF")}) {
      QVERIFY2(text.contains(QRegularExpression(name + QStringLiteral(" +9 ?s"))),
               qPrintable(name + '\n' + text));
    }
  }

  // Recommend Delays and Best Order show and apply the outcome the core plans for the load,
  // each as one undoable change; a load of one group has no least separation.
  void planningAppliesTheOutcomeOfOneRequest() {
    LoadPlannerWindow window;
    CountingPlanner planner(window);
    // A fast group out first into a 25 kt headwind aloft: the best order moves it.
    load::Load three;
    three.groups.resize(3);
    three.groups[0].name = "Freefly";
    three.groups[0].fallRate.kind = load::FallRate::Kind::Fast;
    three.groups[1].name = "Belly";
    three.groups[2].name = "Tandem";
    three.groups[1].delay = three.groups[2].delay = 5;
    three.winds.resize(2);
    three.winds[0].above = 6000;
    three.winds[0].wind = load::Headwind{25};
    QVERIFY(window.StartWith(three));
    QCOMPARE(
        window.GroupResults().headerData(GroupResultsModel::Delay, Qt::Horizontal, Qt::DisplayRole),
        QVariant(QStringLiteral("Delay (s)")));
    auto* least = window.findChild<QLabel*>(QStringLiteral("leastSeparation"));
    QVERIFY(least);
    QVERIFY(least->text().startsWith(QStringLiteral("Least separation: ")));

    load::LoadRequest request;
    request.recommend = request.bestOrder = true;
    const load::LoadOutcome planned = load::PlanLoad(three, request);
    window.RecommendDelays();
    for (std::size_t k = 1; k < three.groups.size(); ++k) {
      QCOMPARE(window.Document().Load().groups[k].delay, planned.flown.groups[k].delay);
    }
    QCOMPARE(window.Document().UndoStack().count(), 1);
    window.Document().UndoStack().undo();
    QCOMPARE(window.Document().Load().groups[1].delay, 5.0f);

    QSignalSpy shown(&window, &LoadPlannerWindow::bestOrderShown);
    window.FindBestOrder();
    QCOMPARE(shown.count(), 1);
    QVERIFY2(window.BestOrderText().contains(QStringLiteral("Best order: ")),
             qPrintable(window.BestOrderText()));
    window.UseBestOrder();
    QVERIFY(planned.bestOrder && planned.bestOrder->found);
    for (std::size_t k = 0; k < three.groups.size(); ++k) {
      const int from = planned.bestOrder->order[k];
      QCOMPARE(window.Document().Load().groups[k].name, three.groups[from].name);
    }
    QCOMPARE(window.Document().UndoStack().count(), 1);

    load::Load one = three;
    one.groups.resize(1);
    QVERIFY(window.StartWith(one));
    QCOMPARE(least->text(), QStringLiteral("Least separation: none (one group)"));
    QCOMPARE(window.PairResults().rowCount(), 0);
  }

 private:
  QTemporaryDir settings_;
};

QTEST_MAIN(LoadPlannerWindowTest)
#include "load_planner_window_test.moc"
