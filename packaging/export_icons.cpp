// Writes the program's icon for the desktop's icon theme: a PNG at each size asked for and a
// scalable SVG, laid out as the hicolor theme wants them,
//   <folder>/hicolor/<size>x<size>/apps/<app id>.png and <folder>/hicolor/scalable/apps/<app
//   id>.svg
// Usage: tarnwick_export_icons FOLDER SIZE...

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app/app_icon.h"

namespace {

bool MakeFolderFor(const QString& file) {
  return QDir().mkpath(QFileInfo(file).absolutePath());
}

bool WritePng(const QString& folder, int size) {
  const QString file =
      QString("%1/hicolor/%2x%2/apps/%3.png").arg(folder).arg(size).arg(TARNWICK_APP_ID);
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    tarnwick::PaintTarnwickIcon(painter, size);
  }
  return MakeFolderFor(file) && image.save(file, "PNG");
}

bool WriteSvg(const QString& folder) {
  const QString file = QString("%1/hicolor/scalable/apps/%2.svg").arg(folder, TARNWICK_APP_ID);
  if (!MakeFolderFor(file)) return false;
  constexpr int kDesignSize = 32;
  QSvgGenerator svg;
  svg.setFileName(file);
  svg.setSize(QSize(kDesignSize, kDesignSize));
  svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
  svg.setTitle("Tarnwick Simulation");
  svg.setDescription("Two canopies under the jump aircraft");
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  tarnwick::PaintTarnwickIcon(painter, kDesignSize);
  return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
  // Painting shapes into an image or an SVG file needs no application object and no display,
  // which a build may not have.
  if (argc < 3) {
    std::fputs("usage: tarnwick_export_icons FOLDER SIZE...\n", stderr);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size <= 0 || !WritePng(folder, size)) {
      std::fprintf(stderr, "tarnwick_export_icons: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  if (!WriteSvg(folder)) {
    std::fputs("tarnwick_export_icons: cannot write the scalable icon\n", stderr);
    return 1;
  }
  return 0;
}
