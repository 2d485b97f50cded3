// The planner's context menus in the windows, driven without any dialog waiting for a click.
#include "planner/window_menus.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "app/command_line.h"
#include "app/form1.h"
#include "app/headless.h"
#include "app/program.h"
#include "canvas/canvas_widget.h"
#include "entry/form2.h"
#include "sim/report.h"
#include "sim/simulation.h"

namespace tarnwick {

class WindowMenusTest : public QObject {
  Q_OBJECT

 private:
  // A finished run of the design scenario, drawn into the two windows' canvases.
  static RunResult DrawDesignRun(Program& program) {
    program.MainWindow().btnNext_Click();
    Module1& module = program.Module();
    module.scenario.exitDelay = 5;
    module.scenario.ias = 80;
    module.scenario.upperWind = 20;
    module.scenario.windChangeAltitude = 6000;
    return RunSimulation(module, &program.MainWindow().PlotCanvas(),
                         &program.DataEntry().ResultsCanvas(), nullptr)
        .result;
  }

  template <typename Menu>
  static Menu* MenuOn(QWidget* widget) {
    for (QObject* child : widget->children()) {
      if (auto* menu = dynamic_cast<Menu*>(child)) return menu;
    }
    return nullptr;
  }

  static QAction* OnlyAction(QMenu* menu) {
    return menu->actions().size() == 1 ? menu->actions().front() : nullptr;
  }

 private slots:
  void copyResultsPutsThePanelLinesOnTheClipboard() {
    Program program("", {});
    auto* menu = MenuOn<ResultsContextMenu>(program.DataEntry().ResultsView());
    QVERIFY(menu != nullptr);

    std::unique_ptr<QMenu> before(menu->BuildMenu(nullptr));
    QCOMPARE(OnlyAction(before.get())->text(), QStringLiteral("Copy Results"));
    QVERIFY(!OnlyAction(before.get())->isEnabled());  // nothing to copy before a run

    const RunResult result = DrawDesignRun(program);
    std::unique_ptr<QMenu> after(menu->BuildMenu(nullptr));
    QVERIFY(OnlyAction(after.get())->isEnabled());
    OnlyAction(after.get())->trigger();

    QString expected;
    const auto lines = ReportLines(result);
    for (std::size_t i = 1; i < lines.size(); ++i)
      expected += QString::fromStdString(lines[i]) + '\n';
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QVERIFY(expected.startsWith(QStringLiteral(" Jumper 1 downrange ")));
    QVERIFY(expected.contains(QStringLiteral("50 sec.\n\n Separations (horizontal):\n")));
  }

  void pieceByPiecePrintsReadAsOneLine() {
    CanvasWidget panel;
    Canvas& canvas = panel.canvas();
    canvas.Print(" Points plotted every 2 seconds", false);
    canvas.Print(" after 1st group exits. ");
    canvas.Print("");
    canvas.Print("next");
    QCOMPARE(CanvasText(canvas),
             QStringLiteral(" Points plotted every 2 seconds after 1st group exits. \n\nnext\n"));
    canvas.Cls();
    QCOMPARE(CanvasText(canvas), QString());
  }

  void savePlotAsWritesThePlotInTheChosenFormat() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Program program("", {});
    CanvasWidget* view = program.MainWindow().CanvasView();
    auto* menu = MenuOn<PlotContextMenu>(view);
    QVERIFY(menu != nullptr);
    QStringList errors;
    QString answer;
    menu->askFileName = [&answer](QWidget*) { return answer; };
    menu->showError = [&errors](QWidget*, const QString& message) { errors << message; };

    // The opening page is not a plot.
    std::unique_ptr<QMenu> intro(menu->BuildMenu(nullptr));
    QCOMPARE(OnlyAction(intro.get())->text(), QStringLiteral("Save Plot As..."));
    QVERIFY(!OnlyAction(intro.get())->isEnabled());

    DrawDesignRun(program);
    std::unique_ptr<QMenu> plot(menu->BuildMenu(nullptr));
    QVERIFY(OnlyAction(plot.get())->isEnabled());

    answer = dir.filePath(QStringLiteral("plot.png"));
    OnlyAction(plot.get())->trigger();
    const QImage image(answer);
    QVERIFY(!image.isNull());
    // The window's own rendering and the saved picture agree pixel for pixel.
    QImage onScreen = view->Render(2.0).convertToFormat(QImage::Format_RGB32);
    onScreen.setDevicePixelRatio(1.0);
    QCOMPARE(image.size(), onScreen.size());
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), onScreen);

    // The command line's --plot draws the same picture as the window.
    const QString headless = dir.filePath(QStringLiteral("headless.png"));
    const ParsedCommandLine line = ParseCommandLine({"--report", "--plot", headless.toStdString()});
    std::ostringstream out, err;
    QCOMPARE(RunHeadlessMode(*line.commandLine, out, err), 0);
    QCOMPARE(QImage(headless).convertToFormat(QImage::Format_RGB32), onScreen);

    answer = dir.filePath(QStringLiteral("plot.svg"));
    QVERIFY(menu->SaveAs());
    QVERIFY(QSvgRenderer(answer).isValid());

    answer.clear();  // cancelled
    QVERIFY(!menu->SaveAs());
    QVERIFY(errors.isEmpty());

    answer = dir.filePath(QStringLiteral("missing/plot.png"));
    QVERIFY(!menu->SaveAs());
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.front().startsWith(QStringLiteral("The plot was not saved: cannot write")));
    QVERIFY(!QFile::exists(answer));
  }

  void rightClickOpensTheMenuWithoutWaiting() {
    Program program("", {});
    CanvasWidget* results = program.DataEntry().ResultsView();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            results->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(results, &event);
    QVERIFY(event.isAccepted());
    QMenu* popup = nullptr;
    QTRY_VERIFY((popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) != nullptr);
    QCOMPARE(popup->actions().front()->text(), QStringLiteral("Copy Results"));
    popup->close();
  }
};

}  // namespace tarnwick

QTEST_MAIN(tarnwick::WindowMenusTest)
#include "window_menus_test.moc"
