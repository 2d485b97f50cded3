// The details page against the model: its figure is the picture drawn at build time from a run of
// the default inputs, that picture shows what the model says of them, and the text says it too.
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {

QString ReadPage(const QString& name) {
  QFile file(QStringLiteral(TARNWICK_DETAILS_PAGE_DIR "/") + name);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The plot's user scale in feet, as the main window sets it.
constexpr double kLeft = -6100, kWidth = 12200, kTop = 15000, kHeight = 13500;

// The mean downrange, in feet, of the pixels of `colour` in the picture's row at `altitude`.
double MeanDownrangeOf(const QImage& picture, QRgb colour, double altitude, int* count) {
  const int row = static_cast<int>((kTop - altitude) / kHeight * picture.height());
  double sum = 0;
  *count = 0;
  for (int x = 0; x < picture.width(); ++x) {
    if ((picture.pixel(x, row) & 0xFFFFFF) != (colour & 0xFFFFFF)) continue;
    sum += kLeft + (x + 0.5) / picture.width() * kWidth;
    ++*count;
  }
  return *count ? sum / *count : NAN;
}

}  // namespace

class DetailsPageContentTest : public QObject {
  Q_OBJECT

 private slots:
  void figureIsTheGeneratedPicture() {
    const QString page = ReadPage("index.html");
    const QRegularExpressionMatch image =
        QRegularExpression(QStringLiteral("<img src=\"([^\"]+)\"")).match(page);
    QVERIFY(image.hasMatch());
    QCOMPARE(image.captured(1), QFileInfo(TARNWICK_DETAILS_FIGURE).fileName());
    // No drawn-by-hand figure is left in the page's folder to be bundled instead.
    for (const char* stale : {"trajectories.svg", "trajectories.png"}) {
      QVERIFY2(!QFile::exists(QStringLiteral(TARNWICK_DETAILS_PAGE_DIR "/") + stale), stale);
    }
  }

  // The default inputs (80 knots, 20 knots of headwind above 6000 ft, calm below, slow faller
  // first, fast faller 5 s later): the slow faller opens 573 ft behind the exit point, the fast
  // one 994 ft ahead of it, as the separations example of the model states.
  void figureShowsTheSlowFallerOpeningBehindTheExitPoint() {
    const QImage picture(TARNWICK_DETAILS_FIGURE);
    QVERIFY(!picture.isNull());
    // Just above the opening altitude, where both tracks are nearly vertical; a pixel of the
    // picture is 14 ft across.
    int white = 0, yellow = 0;
    const double slow = MeanDownrangeOf(picture, 0xFFFFFF, 3150, &white);
    const double fast = MeanDownrangeOf(picture, 0xFFFF00, 3150, &yellow);
    QVERIFY(white > 0);
    QVERIFY(yellow > 0);
    QVERIFY2(std::abs(slow - -573) < 60, qPrintable(QString::number(slow)));
    QVERIFY2(std::abs(fast - 994) < 60, qPrintable(QString::number(fast)));
  }

  void textTellsTheModelAJumpmasterNeeds() {
    const QString page = ReadPage("index.html").simplified();
    QVERIFY(!page.isEmpty());
    for (const char* wrong : {"fall almost vertically once the air has taken that speed away",
                              "as red dots", "A sketch, not to scale"}) {
      QVERIFY2(!page.contains(wrong), wrong);
    }
    for (const char* needed :
         {"opens 573 ft behind", "ground speed tends to minus the headwind", "instantaneous",
          "sinking at 10 ft/s and drifting with the lower wind", "A group is one point of 155 lb",
          "all three are unsigned", "Who is ahead shows in the two downrange lines",
          "a red ring (two circles", "Drawn only when both leave together",
          "left out when the 45-degree line is drawn"}) {
      QVERIFY2(page.contains(needed), needed);
    }
  }
};

QTEST_GUILESS_MAIN(DetailsPageContentTest)
#include "details_page_content_test.moc"
