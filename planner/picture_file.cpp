#include "planner/picture_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>

#include "output/output_file.h"
#include "output/printable_text.h"

namespace tarnwick {
namespace {

constexpr qreal kPngPixelRatio = 2.0;

bool EndsWith(std::string text, std::string_view suffix) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.size() > suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The encoded picture, or an empty array when it could not be made. Encoding into memory
// cannot run out of disk, so what reaches the file is always a whole picture.
QByteArray EncodePng(QSize size, const PaintFunction& paint) {
  QImage image(size * kPngPixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(kPngPixelRatio);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return {};
  return bytes;
}

QByteArray EncodeSvg(QSize size, const std::string& title, const PaintFunction& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString(title));
  svg.setDescription(QStringLiteral("Drawn by Tarnwick Simulation"));
  QPainter painter;
  if (!painter.begin(&svg)) return {};
  paint(painter);
  if (!painter.end()) return {};
  return bytes;
}

}  // namespace

std::optional<PictureFormat> PictureFormatFor(const std::string& path) {
  if (EndsWith(path, ".png")) return PictureFormat::Png;
  if (EndsWith(path, ".svg")) return PictureFormat::Svg;
  return std::nullopt;
}

std::string UnknownPictureTypeError(const std::string& path) {
  return "cannot tell the picture type of " + QuotedText(path) +
         "; use a name ending in .png or .svg";
}

std::string PictureFileProblem(const std::string& path) {
  if (!PictureFormatFor(path)) return UnknownPictureTypeError(path);
  return OutputFileProblem(path);
}

bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::string& title, const PaintFunction& paint, std::string& error) {
  if (qGuiApp == nullptr) {
    error = CannotWriteMessage(path, "drawing needs the graphical application");
    return false;
  }
  const QByteArray bytes =
      format == PictureFormat::Png ? EncodePng(size, paint) : EncodeSvg(size, title, paint);
  if (bytes.isEmpty()) {
    error = CannotWriteMessage(path, format == PictureFormat::Png ? "the PNG could not be encoded"
                                                                  : "the SVG could not be drawn");
    return false;
  }
  return WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()), error);
}

}  // namespace tarnwick
