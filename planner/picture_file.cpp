#include "planner/picture_file.h"

#include <QByteArray>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tarnwick {
namespace {

constexpr qreal kPngPixelRatio = 2.0;

bool EndsWith(std::string text, std::string_view suffix) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.size() > suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// Qt's notes while it starts without a desktop session (no runtime directory, no session bus)
// are not the user's concern when all that is wanted is a file; real errors still get through.
QtMessageHandler previousHandler = nullptr;
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtCriticalMsg && type != QtFatalMsg) return;
  if (previousHandler != nullptr) {
    previousHandler(type, context, message);
  } else {
    std::fprintf(stderr, "%s\n", qPrintable(message));
  }
}

}  // namespace

std::optional<PictureFormat> PictureFormatFor(const std::string& path) {
  if (EndsWith(path, ".png")) return PictureFormat::Png;
  if (EndsWith(path, ".svg")) return PictureFormat::Svg;
  return std::nullopt;
}

std::string UnknownPictureTypeError(const std::string& path) {
  return "cannot tell the picture type of \"" + path + "\"; use a name ending in .png or .svg";
}

std::string PictureFileProblem(const std::string& path) {
  if (!PictureFormatFor(path)) return UnknownPictureTypeError(path);
  const QFileInfo file(QString::fromStdString(path));
  const QFileInfo folder(file.absolutePath());
  if (!folder.isDir()) return "cannot write \"" + path + "\": its folder does not exist";
  if (!folder.isWritable()) return "cannot write \"" + path + "\": its folder is not writable";
  if (file.isDir()) return "cannot write \"" + path + "\": it is a folder";
  return {};
}

void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  previousHandler = qInstallMessageHandler(QuietMessages);
  // Qt keeps references to argc and argv for the application's lifetime.
  static int argc = 1;
  static char name[] = "tarnwick";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::string& title, const PaintFunction& paint, std::string& error) {
  EnsureGuiApplication();
  const QString fileName = QString::fromStdString(path);
  QSaveFile file(fileName);
  auto fail = [&](const QString& why) {
    file.cancelWriting();
    error = "cannot write \"" + path + "\": " + why.toStdString();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());

  if (format == PictureFormat::Png) {
    QImage image(size * kPngPixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPngPixelRatio);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      paint(painter);
    }
    if (!image.save(&file, "PNG")) return fail(file.errorString());
  } else {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QString::fromStdString(title));
    svg.setDescription(QStringLiteral("Drawn by Tarnwick Simulation"));
    QPainter painter;
    if (!painter.begin(&svg)) return fail(QStringLiteral("the SVG could not be started"));
    paint(painter);
    painter.end();
    if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  }
  if (!file.commit()) return fail(file.errorString());
  return true;
}

}  // namespace tarnwick
