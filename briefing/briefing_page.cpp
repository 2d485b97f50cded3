#include "briefing/briefing_page.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QString>
#include <algorithm>
#include <memory>

#include "canvas/canvas_painter.h"
#include "canvas/qt_text_metrics.h"
#include "load_pictures/side_view.h"
#include "load_pictures/top_view.h"

namespace tarnwick {
namespace {

constexpr double kMarginPx = 40;
constexpr double kSpacePx = 8;
const QColor kUnderTargetColour(190, 0, 0);

QFont SheetFont(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  // Without ligatures and kerning the PDF's text reads back as written ("first", "5 s"), so a
  // reader can search and copy it.
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Writes the sheet from the top down, a block at a time.
class PageWriter {
 public:
  PageWriter(QPainter& painter, double width) : painter_(painter), width_(width) {}

  double y() const { return y_; }
  void Skip(double px) { y_ += px; }

  void Heading(const std::string& text) {
    Skip(kSpacePx);
    Line(text, SheetFont(14, true));
  }

  // One line, or more where it must wrap, at `indent` from the left margin.
  void Line(const std::string& text, const QFont& font, double indent = 0,
            const QColor& colour = Qt::black) {
    painter_.setFont(font);
    painter_.setPen(colour);
    const QRectF area(kMarginPx + indent, y_, width_ - indent, 1e4);
    const QRectF used = painter_.boundingRect(area, Qt::TextWordWrap, Q(text));
    painter_.drawText(area, Qt::TextWordWrap, Q(text));
    y_ += used.height();
  }

  // One cell of the current line, `left` from the left margin and at most `width` wide;
  // a text too long for it ends in an ellipsis. The line stays where it is.
  void Cell(double left, double width, const std::string& text, const QFont& font,
            const QColor& colour = Qt::black) {
    painter_.setFont(font);
    painter_.setPen(colour);
    const QFontMetricsF metrics(font);
    const QRectF cell(kMarginPx + left, y_, width - 4, metrics.height());
    painter_.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(Q(text), Qt::ElideRight, cell.width()));
  }

  // A row of cells starting at the given offsets from the left margin.
  void Row(const std::vector<std::string>& cells, const std::vector<double>& columns,
           const QFont& font) {
    for (std::size_t i = 0; i < cells.size() && i < columns.size(); ++i) {
      const double right = i + 1 < columns.size() ? columns[i + 1] : width_;
      Cell(columns[i], right - columns[i], cells[i], font);
    }
    y_ += QFontMetricsF(font).height();
  }

 private:
  QPainter& painter_;
  double width_;
  double y_ = kMarginPx;
};

void PaintView(QPainter& painter, const QRectF& area, const LoadTracks& tracks, bool side) {
  const QFont font = SheetFont(10);
  Canvas canvas;
  canvas.SetClientSizePx(area.width(), area.height());
  canvas.SetTextMetrics(std::make_shared<QtTextMetrics>(font));
  if (side) {
    DrawLoadSideView(canvas, tracks);
  } else {
    DrawLoadTopView(canvas, tracks);
  }
  const QPalette palette = QGuiApplication::palette();
  const CanvasPainter figures(canvas, palette, font);
  painter.save();
  painter.translate(area.topLeft());
  painter.setClipRect(QRectF(QPointF(0, 0), area.size()));
  figures.Paint(painter, 0, canvas.Figures().size());
  painter.restore();
  painter.setPen(QColor(160, 160, 160));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(area);
}

void PaintPairs(PageWriter& page, const BriefingSheet& sheet, double width) {
  // Many pairs go into columns, so that eight groups' 28 pairs leave room for the pictures.
  const std::size_t columns = sheet.pairs.size() > 16 ? 3 : sheet.pairs.size() > 6 ? 2 : 1;
  const std::size_t rows = (sheet.pairs.size() + columns - 1) / columns;
  const double columnWidth = width / static_cast<double>(columns);
  const QFont normal = SheetFont(11);
  const QFont marked = SheetFont(11, true);
  for (std::size_t r = 0; r < rows; ++r) {
    for (std::size_t c = 0; c < columns; ++c) {
      const std::size_t i = c * rows + r;
      if (i >= sheet.pairs.size()) break;
      const BriefingPairRow& p = sheet.pairs[i];
      const std::string text = p.first + " / " + p.second + ": " + p.separation +
                               (p.underTarget ? "  UNDER TARGET" : "");
      page.Cell(columnWidth * static_cast<double>(c), columnWidth, text,
                p.underTarget ? marked : normal, p.underTarget ? kUnderTargetColour : Qt::black);
    }
    page.Skip(QFontMetricsF(normal).height());
  }
}

}  // namespace

QSizeF BriefingPageSize() {
  return {kBriefingPageWidthPx, kBriefingPageHeightPx};
}

void PaintBriefing(QPainter& painter, const BriefingSheet& sheet) {
  const double width = kBriefingPageWidthPx - 2 * kMarginPx;
  painter.fillRect(QRectF(QPointF(0, 0), BriefingPageSize()), Qt::white);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  PageWriter page(painter, width);

  // The name, with the date at the right of the same line.
  const QFont titleFont = SheetFont(22, true);
  painter.setFont(SheetFont(13));
  painter.setPen(Qt::black);
  painter.drawText(QRectF(kMarginPx, page.y(), width, QFontMetricsF(titleFont).height()),
                   Qt::AlignRight | Qt::AlignVCenter, Q(sheet.date));
  page.Line(sheet.title, titleFont);
  page.Skip(kSpacePx / 2);

  const QFont normal = SheetFont(11);
  page.Line("Aircraft: " + sheet.aircraft, normal);
  if (!sheet.dropZone.empty()) page.Line(sheet.dropZone, normal);
  page.Line(sheet.windSource.empty() ? std::string("Winds:") : sheet.windSource, normal);
  // A forecast's many levels run on in one wrapped paragraph, so the page keeps its pictures.
  constexpr std::size_t kWindLinesKept = 8;
  if (sheet.winds.size() <= kWindLinesKept) {
    for (const std::string& w : sheet.winds) page.Line(w, normal, 20);
  } else {
    std::string all;
    for (const std::string& w : sheet.winds) all += (all.empty() ? "" : "; ") + w;
    page.Line(all, normal, 20);
  }
  page.Line(sheet.target, normal);

  page.Heading("Exit order");
  const std::vector<double> columns{0, 24, 210, 340, 520, 620};
  page.Row({"", "Group", "Call", "Fall rate", "Opens at", "Fall time"}, columns,
           SheetFont(11, true));
  for (std::size_t k = 0; k < sheet.groups.size(); ++k) {
    const BriefingGroupRow& g = sheet.groups[k];
    page.Row({std::to_string(k + 1), g.name, g.call, g.fallRate, g.opening, g.fallTime}, columns,
             normal);
  }
  page.Line(sheet.jumpRun, normal);

  page.Heading("Separations");
  // Each pair's line shows its separation; a load of one group has no pair to show.
  if (sheet.pairs.empty()) page.Line(sheet.leastSeparation, normal, 20);
  PaintPairs(page, sheet, width);

  if (sheet.spot) {
    page.Heading("Spot");
    for (const std::string& call : sheet.spot->calls) page.Line(call, SheetFont(11, true), 20);
    if (!sheet.spot->positions.empty()) page.Line(sheet.spot->positions, normal, 20);
    page.Line(sheet.spot->margin, normal, 20,
              sheet.spot->allBack ? QColor(Qt::black) : kUnderTargetColour);
  }

  page.Heading("Warnings");
  if (sheet.warnings.empty()) page.Line("None", normal, 20);
  for (const std::string& w : sheet.warnings) page.Line("- " + w, normal, 20, kUnderTargetColour);

  // The pictures share what is left of the page, the side view a little more of it.
  page.Skip(2 * kSpacePx);
  const double left = kBriefingPageHeightPx - kMarginPx - page.y();
  const double sideHeight = std::max(120.0, (left - kSpacePx) * 0.55);
  const double topHeight = std::max(100.0, left - kSpacePx - sideHeight);
  PaintView(painter, QRectF(kMarginPx, page.y(), width, sideHeight), sheet.tracks, true);
  PaintView(painter, QRectF(kMarginPx, page.y() + sideHeight + kSpacePx, width, topHeight),
            sheet.tracks, false);
}

}  // namespace tarnwick
