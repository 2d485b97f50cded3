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
// .png nor .svg, a folder that does not exist or cannot be written, a folder in the file's
// place. Empty when nothing is known to stand in the way; writing can still fail later.
std::string PictureFileProblem(const std::string& path);

// Drawing and measuring text need a QGuiApplication. The command-line modes run without one, so
// one is made on first use, on the offscreen platform unless a platform has been chosen; it
// lives until the process ends.
void EnsureGuiApplication();

// Draws a picture of `size` logical pixels into `path`, as PNG (at twice the pixel density, so
// it stays sharp when zoomed or printed) or as SVG (vector, `title` in its metadata). The file
// is written to a temporary and renamed into place only when complete, so a failure leaves any
// earlier file of that name as it was. Returns false with a one-line reason in `error`.
using PaintFunction = std::function<void(QPainter&)>;
bool WritePicture(const std::string& path, PictureFormat format, QSize size,
                  const std::string& title, const PaintFunction& paint, std::string& error);

}  // namespace tarnwick
