// The icons installed for the desktop are the window's icon: each PNG is that picture at its
// size, and the scalable SVG draws the same picture when rendered.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "app/app_icon.h"

namespace {

QImage Painted(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  tarnwick::PaintTarnwickIcon(painter, size);
  return image;
}

// For each pixel, the largest difference of any of its channels, 0 to 255.
std::vector<int> PixelDifferences(const QImage& a, const QImage& b) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  std::vector<int> differences;
  for (int row = 0; row < x.height(); ++row) {
    for (int column = 0; column < x.width(); ++column) {
      const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
      differences.push_back(
          std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                    std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))}));
    }
  }
  return differences;
}

int LargestDifference(const QImage& a, const QImage& b) {
  return std::ranges::max(PixelDifferences(a, b));
}

// The share of pixels that differ by more than edge rounding.
double ShareDifferent(const QImage& a, const QImage& b) {
  const std::vector<int> differences = PixelDifferences(a, b);
  return double(std::ranges::count_if(differences, [](int d) { return d > 24; })) /
         differences.size();
}

QString IconFile(const QString& folder, const QString& extension) {
  return QString("%1/hicolor/%2/apps/%3.%4")
      .arg(TARNWICK_ICON_ROOT, folder, TARNWICK_APP_ID, extension);
}

}  // namespace

class DesktopIconTest : public QObject {
  Q_OBJECT

 private slots:
  void eachPngIsThePictureAtItsSize_data() {
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) QTest::addRow("%d", size) << size;
  }
  void eachPngIsThePictureAtItsSize() {
    QFETCH(int, size);
    const QImage installed(IconFile(QString("%1x%1").arg(size), "png"));
    QVERIFY2(!installed.isNull(), "no icon file");
    QCOMPARE(installed.size(), QSize(size, size));
    QCOMPARE(LargestDifference(installed, Painted(size)), 0);
  }

  void theWindowIconIsTheDesktopIcon() {
    const QImage installed(IconFile("32x32", "png"));
    const QImage window = tarnwick::TarnwickIcon().pixmap(32, 32).toImage();
    QCOMPARE(window.size(), QSize(32, 32));
    QCOMPARE(LargestDifference(installed, window), 0);
  }

  void theScalableIconDrawsThePicture() {
    QSvgRenderer svg(IconFile("scalable", "svg"));
    QVERIFY2(svg.isValid(), "the SVG does not load");
    for (int size : {32, 128}) {
      QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
      rendered.fill(Qt::transparent);
      QPainter painter(&rendered);
      svg.render(&painter);
      painter.end();
      // Two renderers round edges differently; the picture itself must agree.
      const double share = ShareDifferent(rendered, Painted(size));
      QVERIFY2(share < 0.05,
               qPrintable(QString("%1 px: %2 of the pixels differ").arg(size).arg(share)));
    }
  }
};

QTEST_MAIN(DesktopIconTest)
#include "desktop_icon_test.moc"
