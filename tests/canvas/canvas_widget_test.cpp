// The canvas on screen: where figures land, what colour they get, that text is measured in the
// font it is drawn with, that a repaint never loses the drawing and that painting is
// incremental and throttled.

#include "canvas/canvas_widget.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "canvas/main_window_layout.h"
#include "canvas/qt_text_metrics.h"
#include "sim/simulation.h"

using namespace tarnwick;

namespace {

// The plot's scale, on a client area of the plot window's size.
void SetPlotScale(Canvas& canvas) {
  canvas.SetUserScale(-6100, 15000, 12200, -13500);
}

QColor PixelAt(const QImage& image, double x, double y) {
  const qreal dpr = image.devicePixelRatio();
  return image.pixelColor(static_cast<int>(x * dpr), static_cast<int>(y * dpr));
}

// Columns of `image` that hold a pixel darker than the background.
int InkWidth(const QImage& image) {
  int first = -1;
  int last = -1;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qGray(image.pixel(x, y)) < 128) {
        if (first < 0) first = x;
        last = x;
        break;
      }
    }
  }
  return first < 0 ? 0 : last - first + 1;
}

}  // namespace

class CanvasWidgetTest : public QObject {
  Q_OBJECT

 private slots:
  void userAndCharacterScalesMapToTheClientArea() {
    CanvasWidget widget;
    widget.resize(433, 486);
    widget.SyncClientSize();
    Canvas& canvas = widget.canvas();
    QCOMPARE(canvas.ClientWidthPx(), 433.0);

    const CanvasScale cells = canvas.Scale();
    QVERIFY(cells.characterCells);
    // A character cell is 120 x 240 twips: 8 x 16 logical pixels.
    QCOMPARE(canvas.ToPixelX(cells, 5), 40.0);
    QCOMPARE(canvas.ToPixelY(cells, 5), 80.0);

    SetPlotScale(canvas);
    const CanvasScale& feet = canvas.Scale();
    QCOMPARE(canvas.ToPixelX(feet, -6100), 0.0);
    QCOMPARE(canvas.ToPixelX(feet, 6100), 433.0);
    QCOMPARE(canvas.ToPixelX(feet, 0), 216.5);
    QCOMPARE(canvas.ToPixelY(feet, 15000), 0.0);
    QCOMPARE(canvas.ToPixelY(feet, 1500), 486.0);
    // Altitude grows upward: 14000 ft lies below 15000 ft on the screen.
    QVERIFY(canvas.ToPixelY(feet, 14000) > canvas.ToPixelY(feet, 15000));
  }

  void printMovesTheCursorByTheTextInTheWidgetsFont() {
    CanvasWidget widget;
    widget.resize(433, 486);
    widget.SyncClientSize();
    Canvas& canvas = widget.canvas();
    SetPlotScale(canvas);
    const QFontMetricsF metrics(widget.font());
    const double feetPerPxX = 12200.0 / 433.0;
    const double feetPerPxY = -13500.0 / 486.0;

    canvas.CurrentX = -2000;
    canvas.CurrentY = 2500;
    canvas.Print(" Points plotted every 2 seconds", false);
    // Continuing the line: just behind the text, on the same line.
    QCOMPARE(canvas.CurrentY, 2500.0f);
    const double expectedX =
        -2000 +
        metrics.horizontalAdvance(QStringLiteral(" Points plotted every 2 seconds")) * feetPerPxX;
    QVERIFY(std::fabs(canvas.CurrentX - expectedX) < 0.5);

    canvas.Print(" after 1st group exits. ");
    // Ending the line: back to the left edge of the scale, one line of this font lower.
    QCOMPARE(canvas.CurrentX, -6100.0f);
    QVERIFY(std::fabs(canvas.CurrentY - (2500 + metrics.height() * feetPerPxY)) < 0.5);

    const float y = canvas.CurrentY;
    canvas.Print("");  // no text: only down one line
    QVERIFY(std::fabs(canvas.CurrentY - (y + metrics.height() * feetPerPxY)) < 0.5);
    QCOMPARE(canvas.Texts().size(), std::size_t{2});
  }

  // The note under the plot is two prints, the first continuing the line. Whatever size the
  // window is given after it was printed, the pair draws exactly what the whole note drawn as
  // one print at the same place draws.
  void aContinuedPrintStaysTogetherAtAnySize() {
    CanvasWidget split;
    CanvasWidget whole;
    for (CanvasWidget* widget : {&split, &whole}) {
      widget->resize(433, 486);
      widget->SyncClientSize();
      SetPlotScale(widget->canvas());
      widget->canvas().CurrentY = 2500;
      widget->canvas().CurrentX = -6000;
    }
    split.canvas().Print(" Points plotted every 2 seconds", false);
    split.canvas().Print(" after 1st group exits. ");
    whole.canvas().Print(" Points plotted every 2 seconds after 1st group exits. ");
    for (const QSize size : {QSize(433, 486), QSize(1000, 600), QSize(700, 486)}) {
      for (CanvasWidget* widget : {&split, &whole}) {
        widget->resize(size);
        widget->SyncClientSize();
      }
      const int top = static_cast<int>(split.canvas().ToPixelY(split.canvas().Scale(), 2500));
      const int height = qCeil(QFontMetricsF(split.font()).height()) + 1;
      const QImage splitRow = split.Render().copy(0, top, size.width(), height);
      const QImage wholeRow = whole.Render().copy(0, top, size.width(), height);
      QVERIFY2(InkWidth(wholeRow) > 0, "the note is drawn");
      QVERIFY2(splitRow == wholeRow,
               qPrintable(QStringLiteral("%1 px wide: ink %2 px, the whole note %3 px")
                              .arg(size.width())
                              .arg(InkWidth(splitRow))
                              .arg(InkWidth(wholeRow))));
    }
  }

  // A dark colour scheme: the default foreground (axes, labels, text) takes the scheme's text
  // colour on its button face, while colours given as values are drawn as given.
  void theDefaultForegroundFollowsADarkScheme() {
    CanvasWidget widget;
    QPalette dark = widget.palette();
    const QColor face(0x30, 0x30, 0x30);
    const QColor text(0xE8, 0xE8, 0xE8);
    dark.setColor(QPalette::Window, face);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Text, text);
    widget.setPalette(dark);
    widget.resize(433, 486);
    widget.SyncClientSize();
    Canvas& canvas = widget.canvas();
    SetPlotScale(canvas);
    canvas.Line(-6000, 2600, 6000, 2600);  // the baseline, in the foreground colour
    canvas.Line(-6000, 5000, 6000, 5000, kNearlyBlack);
    canvas.CurrentX = -1100;
    canvas.CurrentY = 14100;
    canvas.Print("WWWWWWWW");
    const QImage image = widget.Render();
    auto px = [&](double x, double y) {
      return PixelAt(image, canvas.ToPixelX(canvas.Scale(), x), canvas.ToPixelY(canvas.Scale(), y));
    };
    QCOMPARE(px(0, 2600), text);
    QCOMPARE(px(0, 5000), QColor(12, 0, 0));
    QCOMPARE(px(5000, 12000), face);
    // The label's brightest pixel is the text colour, not black.
    int brightest = 0;
    const int left = static_cast<int>(canvas.ToPixelX(canvas.Scale(), -1100));
    const int top = static_cast<int>(canvas.ToPixelY(canvas.Scale(), 14100));
    for (int x = left; x < left + 60; ++x) {
      for (int y = top; y < top + 16; ++y)
        brightest = std::max(brightest, qGray(image.pixel(x, y)));
    }
    QCOMPARE(brightest, qGray(text.rgb()));

    // On a background of the program's own choosing the foreground stays black.
    canvas.BackColour = PaletteColor(15);
    canvas.Cls();
    canvas.Line(-6000, 2600, 6000, 2600);
    const QImage white = widget.Render();
    QCOMPARE(
        PixelAt(white, canvas.ToPixelX(canvas.Scale(), 0), canvas.ToPixelY(canvas.Scale(), 2600)),
        QColor(0, 0, 0));
  }

  // The canvas keeps only the figures that can still show; the picture of a whole run, the
  // aircraft's boxes and their erasing boxes included, must be the one every figure drew, at
  // the size it was drawn at and after a resize.
  void foldingHiddenFiguresKeepsThePicture() {
    CanvasWidget folded;
    CanvasWidget everyFigure;
    everyFigure.canvas().KeepsHiddenFigures = true;
    for (CanvasWidget* widget : {&folded, &everyFigure}) {
      widget->resize(433, 486);
      widget->SyncClientSize();
      widget->canvas().SetUserScale(main_window::kScaleLeft, main_window::kScaleTop,
                                    main_window::kScaleWidth, main_window::kScaleHeight);
      Module1 module;
      module.scenario.ias = 80;
      module.scenario.upperWind = 20;
      module.scenario.upperWindSign = 1;
      module.scenario.lowerWindSign = 1;
      module.scenario.windChangeAltitude = 6000;
      module.scenario.exitDelay = 5;
      module.scenario.firstSlow = 1;
      RunSimulation(module, &widget->canvas(), nullptr, nullptr);
    }
    QVERIFY(folded.canvas().Figures().size() < everyFigure.canvas().Figures().size());
    QCOMPARE(folded.Render(), everyFigure.Render());
    for (CanvasWidget* widget : {&folded, &everyFigure}) {
      widget->resize(900, 700);
      widget->SyncClientSize();
    }
    QCOMPARE(folded.Render(2.0), everyFigure.Render(2.0));
  }

  void textHasAUsableFont() {
    // A machine without a usable font draws every glyph as the same empty box.
    CanvasWidget widget;
    const QtTextMetrics metrics(widget.font());
    QVERIFY(metrics.TextWidthPx("WWWW") > metrics.TextWidthPx("iiii") * 1.5);

    widget.resize(200, 40);
    widget.SyncClientSize();
    widget.canvas().Print("WWWW");
    const int wide = InkWidth(widget.Render());
    widget.canvas().Cls();
    widget.canvas().Print("iiii");
    const int narrow = InkWidth(widget.Render());
    QVERIFY2(narrow > 0, "nothing of the text was drawn");
    QVERIFY(wide > narrow * 1.5);
  }

  void coloursAreDrawnAsGiven_data() {
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("standard density") << qreal(1);
    QTest::newRow("high density") << qreal(2);
  }
  void coloursAreDrawnAsGiven() {
    QFETCH(qreal, dpr);
    CanvasWidget widget;
    widget.resize(433, 486);
    widget.SyncClientSize();
    Canvas& canvas = widget.canvas();
    SetPlotScale(canvas);
    canvas.FilledBox(0, 13940, 250, 14060, kRed);              // the aircraft
    canvas.Line(-6000, 2600, 6000, 2600);                      // foreground baseline
    canvas.Line(-3000, 3000, -3000, 14000, PaletteColor(15));  // a white track
    canvas.Line(3000, 3000, 3000, 14000, PaletteColor(14));    // a yellow track
    canvas.Line(-6000, 5000, 6000, 5000, kNearlyBlack);
    canvas.FilledBox(-5000, 9000, -4000, 10000, kButtonFace);  // an erasing box

    const QImage image = widget.Render(dpr);
    QCOMPARE(image.size(), QSize(qRound(433 * dpr), qRound(486 * dpr)));
    auto px = [&](double x, double y) {
      return PixelAt(image, canvas.ToPixelX(canvas.Scale(), x), canvas.ToPixelY(canvas.Scale(), y));
    };
    QCOMPARE(px(125, 14000), QColor(255, 0, 0));
    QCOMPARE(px(-3000, 8000), QColor(255, 255, 255));
    QCOMPARE(px(3000, 8000), QColor(255, 255, 0));
    QCOMPARE(px(0, 2600), QColor(0, 0, 0));
    QCOMPARE(px(0, 5000), QColor(12, 0, 0));  // red level 12, not palette entry 12
    const QColor background = widget.palette().color(QPalette::Window);
    QCOMPARE(px(-4500, 9500), background);
    QCOMPARE(px(5000, 12000), background);
  }

  void aRepaintKeepsTheDrawing() {
    CanvasWidget widget;
    widget.resize(300, 300);
    Canvas& canvas = widget.canvas();
    canvas.SetUserScale(0, 0, 300, 300);
    canvas.AutoRedraw = false;  // a property only: the drawing is kept all the same
    canvas.FilledBox(100, 100, 199, 199, kRed);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_COMPARE(widget.grab().toImage().pixelColor(150, 150), QColor(255, 0, 0));

    // Covered, minimised, or shown again: the whole drawing comes back.
    widget.hide();
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    QCOMPARE(widget.grab().toImage().pixelColor(150, 150), QColor(255, 0, 0));

    // A new size renders everything again in the new size.
    widget.resize(600, 600);
    QTRY_COMPARE(canvas.ClientWidthPx(), 600.0);
    QCOMPARE(widget.grab().toImage().pixelColor(300, 300), QColor(255, 0, 0));
  }

  void paintingIsIncremental() {
    CanvasWidget widget;
    widget.resize(300, 300);
    Canvas& canvas = widget.canvas();
    canvas.SetUserScale(0, 0, 300, 300);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    for (int i = 0; i < 100; ++i) canvas.Line(i, 0, i, 300, kRed);
    widget.repaint();
    const int fullRenders = widget.FullRenders();
    const std::size_t drawn = widget.FiguresDrawn();

    canvas.Line(150, 0, 150, 300, kRed);
    widget.repaint();
    QCOMPARE(widget.FullRenders(), fullRenders);
    QCOMPARE(widget.FiguresDrawn(), drawn + 1);

    // A box that hides one drawn before takes its place in the list; the cache still draws
    // just the new one and shows what a full render shows.
    canvas.FilledBox(200, 100, 220, 120, kRed);
    widget.repaint();
    const std::size_t kept = canvas.Figures().size();
    canvas.FilledBox(190, 90, 230, 130, PaletteColor(2));
    QCOMPARE(canvas.Figures().size(), kept);
    widget.repaint();
    QCOMPARE(widget.FullRenders(), fullRenders);
    QCOMPARE(widget.FiguresDrawn(), drawn + 3);
    QCOMPARE(widget.grab().toImage().convertToFormat(QImage::Format_RGB32),
             widget.Render(widget.devicePixelRatioF()));

    // Cls starts a new picture: the old figures are gone from it too.
    canvas.Cls();
    widget.repaint();
    QCOMPARE(widget.FullRenders(), fullRenders + 1);
    QCOMPARE(widget.grab().toImage().pixelColor(50, 150), widget.palette().color(QPalette::Window));
  }

  void repaintsAreThrottledButNoneIsLost() {
    CanvasWidget widget;
    widget.resize(300, 300);
    Canvas& canvas = widget.canvas();
    canvas.SetUserScale(0, 0, 300, 300);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();

    // Like a run: a figure, then the events, again and again.
    const std::size_t before = widget.FiguresDrawn();
    const int paintsBefore = widget.Paints();
    constexpr int kFigures = 400;
    for (int figure = 0; figure < kFigures; ++figure) {
      canvas.Line(figure % 300, 0, figure % 300, 300, kRed);
      QCoreApplication::processEvents();
    }
    QTRY_COMPARE(widget.FiguresDrawn(), before + static_cast<std::size_t>(kFigures));
    // Repaints come at most once a display refresh: a loop that lets events through after
    // every figure gets a few of them, nowhere near one per figure (that would take each
    // turn of the loop a whole refresh interval, a hundred times over).
    const int repaints = widget.Paints() - paintsBefore;
    QVERIFY2(repaints >= 1 && repaints <= kFigures / 4, qPrintable(QString::number(repaints)));
  }

  void figuresFarOutsideAreClippedSafely() {
    CanvasWidget widget;
    widget.resize(100, 100);
    widget.SyncClientSize();
    Canvas& canvas = widget.canvas();
    canvas.SetUserScale(0, 0, 100, 100);
    const float huge = 1e30f;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    canvas.Line(-1e9f, 50, 1e9f, 50, kRed);  // crosses the whole area from far away
    canvas.Line(nan, 0, 10, 10, kRed);
    canvas.FilledBox(-huge, -huge, huge, 10, PaletteColor(14));
    canvas.Circle(50, 50, huge, kRed);
    canvas.Circle(nan, 50, 5, kRed);
    canvas.CurrentX = huge;
    canvas.Print("far away");
    const QImage image = widget.Render();
    QCOMPARE(image.pixelColor(50, 50), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(50, 5), QColor(255, 255, 0));
    QCOMPARE(image.pixelColor(50, 80), widget.palette().color(QPalette::Window));
  }
};

QTEST_MAIN(CanvasWidgetTest)
#include "canvas_widget_test.moc"
