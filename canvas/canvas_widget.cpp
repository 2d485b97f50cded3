#include "canvas/canvas_widget.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <memory>

#include "canvas/canvas_painter.h"
#include "canvas/qt_text_metrics.h"

namespace tarnwick {

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent) {
  // The cached image covers every pixel, so Qt need not clear the background first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  trailingUpdate_.setSingleShot(true);
  connect(&trailingUpdate_, &QTimer::timeout, this, [this] {
    sinceLastUpdate_.restart();
    update();
  });
  UpdateTextMetrics();
  SyncClientSize();
  canvas_.OnChanged = [this] { ScheduleRepaint(); };
}

CanvasWidget::~CanvasWidget() {
  canvas_.OnChanged = nullptr;
}

void CanvasWidget::SyncClientSize() {
  const QRect area = contentsRect();
  canvas_.SetClientSizePx(area.width(), area.height());
}

void CanvasWidget::UpdateTextMetrics() {
  canvas_.SetTextMetrics(std::make_shared<QtTextMetrics>(font()));
}

void CanvasWidget::ScheduleRepaint() {
  if (trailingUpdate_.isActive()) return;
  if (!sinceLastUpdate_.isValid() || sinceLastUpdate_.elapsed() >= kMinRepaintIntervalMs) {
    sinceLastUpdate_.restart();
    update();
    return;
  }
  // Too soon after the last repaint: one more repaint when the interval is over picks up
  // everything drawn meanwhile.
  trailingUpdate_.start(static_cast<int>(kMinRepaintIntervalMs - sinceLastUpdate_.elapsed()));
}

void CanvasWidget::BringCacheUpToDate() {
  const qreal dpr = devicePixelRatioF();
  const QSize logical = contentsRect().size();
  const QSize device = (QSizeF(logical) * dpr).toSize();
  const auto& figures = canvas_.Figures();
  const bool full = !cacheValid_ || cache_.size() != device || cache_.devicePixelRatio() != dpr ||
                    cachedGeneration_ != canvas_.Generation() ||
                    cachedAdded_ > canvas_.FiguresAdded();
  if (!full && cachedAdded_ == canvas_.FiguresAdded()) return;

  const QPalette pal = palette();
  const QFont textFont = font();
  CanvasPainter figurePainter(canvas_, pal, textFont);
  if (full) {
    cache_ = QImage(device.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    cache_.setDevicePixelRatio(dpr);
    cache_.fill(figurePainter.Background());
    cachedAdded_ = 0;
    ++fullRenders_;
  }
  // The canvas drops figures that later ones hide, so the figures still to draw are found by
  // their serials rather than by their places in the list.
  const auto firstNew =
      std::lower_bound(figures.begin(), figures.end(), cachedAdded_,
                       [](const Figure& f, std::uint32_t serial) { return f.serial < serial; });
  const auto from = static_cast<std::size_t>(firstNew - figures.begin());
  QPainter painter(&cache_);
  figurePainter.Paint(painter, from, figures.size());
  figuresDrawn_ += figures.size() - from;
  cachedAdded_ = canvas_.FiguresAdded();
  cachedGeneration_ = canvas_.Generation();
  cacheValid_ = true;
}

QImage CanvasWidget::Render(qreal devicePixelRatio) const {
  const QSize logical = contentsRect().size();
  QImage image((QSizeF(logical) * devicePixelRatio).toSize().expandedTo(QSize(1, 1)),
               QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  const QPalette pal = palette();
  const QFont textFont = font();
  CanvasPainter figurePainter(canvas_, pal, textFont);
  image.fill(figurePainter.Background());
  QPainter painter(&image);
  figurePainter.Paint(painter, 0, canvas_.Figures().size());
  return image;
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  ++paints_;
  BringCacheUpToDate();
  QPainter painter(this);
  painter.drawImage(contentsRect().topLeft(), cache_);
  painter.end();
  QFrame::paintEvent(event);  // the frame, if any, around the drawing
}

void CanvasWidget::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  SyncClientSize();
}

void CanvasWidget::changeEvent(QEvent* event) {
  QFrame::changeEvent(event);
  switch (event->type()) {
    case QEvent::FontChange:
      UpdateTextMetrics();
      cacheValid_ = false;
      update();
      break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
      SyncClientSize();  // a style may give the frame another width
      cacheValid_ = false;
      update();
      break;
    default:
      break;
  }
}

}  // namespace tarnwick
