#pragma once

#include <QSize>
#include <functional>
#include <optional>
#include <string>

class QPainter;

namespace tarnwick {

enum class PictureFormat { Png, Svg };

// The format a file name asks for, by its extension (.png or .svg, in any case).
std::optional<PictureFormat> PictureFormatFor(const std::string& path);

// The one-line complaint about a name whose extension is neither.
std::string UnknownPictureTypeError(const std::string& path);

// Why `path` cannot take a picture, found before any work is done: an extension that is neither
// .png nor .svg, or anything OutputFileProblem finds (a missing or read-only folder, a folder,
// a device or a FIFO in the file's place, a link it must not follow). Empty when nothing is
// known to stand in the way; writing can still fail later.
std::string PictureFileProblem(const std::string& path);

// Draws a picture of `size` logical pixels into `path`, as PNG (at twice the pixel density, so
// it stays sharp when zoomed or printed) or as SVG (vector, `title` in its metadata). The whole
// picture is encoded first and then written with WriteWholeFile, so a failure at any point
// leaves any earlier file of that name as it was. Returns false with a one-line reason naming
// the file in `error`. Drawing needs the process's QGuiApplication (or QApplication).
using PaintFunction = std::function<void(QPainter&)>;
bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::string& title, const PaintFunction& paint, std::string& error);

}  // namespace tarnwick
