#include "planner/window_menus.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <cmath>
#include <map>
#include <memory>

#include "canvas/canvas_widget.h"
#include "planner/picture_file.h"
#include "planner/plot_picture.h"

namespace tarnwick {
namespace {

const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kSvgFilter = QStringLiteral("SVG drawing (*.svg)");

// Where the last plot was saved, so the next save starts there.
QString& LastSaveDirectory() {
  static QString directory = QDir::homePath();
  return directory;
}

QString AskPlotFileName(QWidget* parent) {
  QString filter = kPngFilter;
  QString name = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Save Plot As"),
      QDir(LastSaveDirectory()).filePath(QStringLiteral("tarnwick-plot.png")),
      kPngFilter + QStringLiteral(";;") + kSvgFilter, &filter);
  // A name typed without a picture extension takes the one of the chosen type.
  if (!name.isEmpty() && !PictureFormatFor(name.toStdString())) {
    name += filter == kSvgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
  }
  return name;
}

void ShowSaveError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QStringLiteral("Tarnwick"), message);
}

void PopUp(QMenu* menu, const QPoint& globalPos) {
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(globalPos);
}

}  // namespace

QString CanvasText(const Canvas& canvas) {
  // Pieces printed on one line share its top; their order on the line is left to right.
  std::map<long, std::map<double, std::string>> rows;
  const double lineHeight = std::max(1.0, canvas.Metrics().LineHeightPx());
  for (const Figure& f : canvas.Figures()) {
    if (f.kind != Figure::Kind::Text) continue;
    const CanvasScale& s = canvas.Scales()[f.scaleIndex];
    const long row = std::lround(canvas.ToPixelY(s, f.y1) / lineHeight);
    rows[row][canvas.ToPixelX(s, f.x1)] += canvas.Texts()[f.textIndex];
  }
  QString text;
  long previous = rows.empty() ? 0 : rows.begin()->first;
  for (const auto& [row, pieces] : rows) {
    for (long gap = previous; gap < row; ++gap) text += QLatin1Char('\n');
    previous = row;
    for (const auto& piece : pieces) text += QString::fromStdString(piece.second);
  }
  if (!rows.empty()) text += QLatin1Char('\n');
  return text;
}

PlotContextMenu::PlotContextMenu(CanvasWidget& plot, std::function<bool()> showsPlot)
    : QObject(&plot),
      askFileName(AskPlotFileName),
      showError(ShowSaveError),
      plot_(plot),
      showsPlot_(std::move(showsPlot)) {
  plot.installEventFilter(this);
}

QMenu* PlotContextMenu::BuildMenu(QWidget* parent) const {
  auto* menu = new QMenu(parent);
  QAction* save = menu->addAction(QStringLiteral("Save Plot As..."), [this] { SaveAs(); });
  save->setEnabled(CanSave());
  return menu;
}

bool PlotContextMenu::CanSave() const {
  return !showsPlot_ || showsPlot_();
}

bool PlotContextMenu::SaveAs() const {
  const QString path = askFileName(&plot_);
  if (path.isEmpty()) return false;
  LastSaveDirectory() = QFileInfo(path).absolutePath();
  return SaveTo(path);
}

bool PlotContextMenu::SaveTo(const QString& path) const {
  std::string error;
  if (WriteCanvasPicture(path.toStdString(), plot_.canvas(), plot_.palette(), plot_.font(),
                         error)) {
    return true;
  }
  showError(&plot_,
            QStringLiteral("The plot was not saved: %1").arg(QString::fromStdString(error)));
  return false;
}

bool PlotContextMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &plot_ && event->type() == QEvent::ContextMenu) {
    PopUp(BuildMenu(&plot_), static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

ResultsContextMenu::ResultsContextMenu(CanvasWidget& results)
    : QObject(&results), results_(results) {
  results.installEventFilter(this);
}

QMenu* ResultsContextMenu::BuildMenu(QWidget* parent) const {
  auto* menu = new QMenu(parent);
  QAction* copy = menu->addAction(QStringLiteral("Copy Results"), [this] { CopyResults(); });
  copy->setEnabled(CanCopy());
  return menu;
}

bool ResultsContextMenu::CanCopy() const {
  return !CanvasText(results_.canvas()).isEmpty();
}

void ResultsContextMenu::CopyResults() const {
  QGuiApplication::clipboard()->setText(CanvasText(results_.canvas()));
}

bool ResultsContextMenu::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &results_ && event->type() == QEvent::ContextMenu) {
    PopUp(BuildMenu(&results_), static_cast<QContextMenuEvent*>(event)->globalPos());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tarnwick
