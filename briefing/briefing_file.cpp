#include "briefing/briefing_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QDate>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <cctype>

#include "briefing/briefing_page.h"
#include "output/output_file.h"
#include "output/printable_text.h"
#include "planner/picture_file.h"

namespace tarnwick {
namespace {

constexpr int kPdfResolution = 96;  // the page's logical pixels are the PDF's dots

bool IsPdfName(std::string path) {
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return path.size() > 4 && path.compare(path.size() - 4, 4, ".pdf") == 0;
}

std::string UnknownTypeError(const std::string& path) {
  return "cannot tell the type of " + QuotedText(path) +
         "; use a name ending in .pdf, .png or .svg";
}

bool WritePdf(const std::string& path, const BriefingSheet& sheet, std::string& error) {
  // The whole page is made in memory first, so only WriteWholeFile touches the disk.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPdfResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(QString::fromStdString("Briefing: " + sheet.title));
    pdf.setCreator(QStringLiteral("Tarnwick Simulation"));
    QPainter painter;
    if (!painter.begin(&pdf)) {
      error = CannotWriteMessage(path, "the PDF could not be started");
      return false;
    }
    // The device's page may be a few dots off the nominal A4 size; the sheet fills its width.
    const double scale = pdf.width() / kBriefingPageWidthPx;
    painter.scale(scale, scale);
    PaintBriefing(painter, sheet);
    if (!painter.end()) {
      error = CannotWriteMessage(path, "the PDF could not be finished");
      return false;
    }
  }
  return WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()), error);
}

}  // namespace

std::string BriefingFileProblem(const std::string& path) {
  if (!IsPdfName(path) && !PictureFormatFor(path)) return UnknownTypeError(path);
  return OutputFileProblem(path);
}

bool WriteBriefing(const std::string& path, const BriefingSheet& sheet, std::string& error) {
  if (IsPdfName(path)) return WritePdf(path, sheet, error);
  const auto format = PictureFormatFor(path);
  if (!format) {
    error = UnknownTypeError(path);
    return false;
  }
  const QSizeF page = BriefingPageSize();
  return WritePicture(
      path, *format, page.toSize(), "Briefing: " + sheet.title,
      [&sheet](QPainter& painter) { PaintBriefing(painter, sheet); }, error);
}

std::string BriefingNameForFile(const std::string& loadFileName) {
  if (loadFileName.empty()) return "Untitled";
  QString name = QFileInfo(QString::fromStdString(loadFileName)).fileName();
  for (const QLatin1String ending : {QLatin1String(".json"), QLatin1String(".tarnwick-load")}) {
    if (name.endsWith(ending, Qt::CaseInsensitive)) name.chop(ending.size());
  }
  return name.toStdString();
}

std::string BriefingDateToday() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace tarnwick
