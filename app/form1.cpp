#include "app/form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "app/app_icon.h"
#include "app/intro_text.h"
#include "app/main_window_font.h"
#include "canvas/canvas_widget.h"
#include "canvas/fit_font.h"
#include "canvas/main_window_layout.h"
#include "canvas/twips.h"

namespace tarnwick {
namespace {

using namespace main_window;
constexpr int kPlotWindowLeftTwips = 495;

QLabel* MakeTitleLabel(const QString& text, double pointSize, const QRect& geometry,
                       QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont font = label->font();
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  // Sized down only where the system's font runs wider than the label.
  label->setFont(FontFitting(font, {text}, geometry.width(), geometry.height()));
  label->setGeometry(geometry);
  return label;
}

}  // namespace

Form1::Form1(Module1& module, QWidget* parent) : QWidget(parent), module_(module) {
  setWindowTitle(QStringLiteral("Tarnwick Simulation"));
  setWindowIcon(TarnwickIcon());
  resize(TwipsSize(kWidthTwips, kHeightTwips));

  canvas_ = new CanvasWidget(this);
  canvas_->setObjectName(QStringLiteral("Form1Canvas"));
  LayOutCanvas();
  // The opening page must fit between the title and the buttons, whatever the system font.
  canvas_->setFont(MainWindowCanvasFont(canvas_->font()));

  label1_ =
      MakeTitleLabel(QStringLiteral("Tarnwick Simulation"), 18, TwipsRect(480, 0, 3975, 495), this);
  label1_->setObjectName(QStringLiteral("Label1"));
  // The credit line keeps its place and centre but is widened to the window, as its text at
  // its size is wider than the label of the design layout.
  const QRect creditDesign = TwipsRect(1320, 360, 2295, 375);
  const int creditHalfWidth =
      std::min(creditDesign.center().x(), width() - creditDesign.center().x());
  label2_ = MakeTitleLabel(QStringLiteral("By the Tarnwick Simulation developers"), 13.5,
                           QRect(creditDesign.center().x() - creditHalfWidth, creditDesign.top(),
                                 2 * creditHalfWidth, creditDesign.height()),
                           this);
  label2_->setObjectName(QStringLiteral("Label2"));

  btnNext_ = new QPushButton(QStringLiteral("Next"), this);
  btnNext_->setObjectName(QStringLiteral("btnNext"));
  btnNext_->setGeometry(TwipsRect(3120, kButtonsTopTwips, 855, 375));
  btnExit_ = new QPushButton(QStringLiteral("Exit"), this);
  btnExit_->setObjectName(QStringLiteral("btnExit"));
  btnExit_->setGeometry(TwipsRect(4200, kButtonsTopTwips, 855, 375));
  setTabOrder(btnNext_, btnExit_);
  connect(btnNext_, &QPushButton::clicked, this, &Form1::btnNext_Click);
  connect(btnExit_, &QPushButton::clicked, this, &Form1::exitRequested);

  // The window's load: the opening page in character cells, five rows down.
  Canvas& canvas = PlotCanvas();
  canvas.SetCharacterScale();
  canvas.CurrentY = kIntroFirstRow;
  ShowIntroText(canvas);
  defaultButton_ = btnNext_;
  btnNext_->setDefault(true);  // drawn as the default button
  module_.introStage = 1;
}

Canvas& Form1::PlotCanvas() {
  return canvas_->canvas();
}

void Form1::LayOutCanvas() {
  canvas_->setGeometry(rect());
  canvas_->SyncClientSize();
}

void Form1::btnNext_Click() {
  Canvas& canvas = PlotCanvas();
  if (module_.introStage != 3) {
    canvas.Cls();
    btnNext_->hide();
    btnExit_->hide();
    resize(TwipsToPx(kPlotWidthTwips), height());
    LayOutCanvas();
    canvas.SetUserScale(kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight);
  }
  label2_->hide();
  if (dataEntry_ != nullptr) {
    dataEntry_->show();
    dataEntry_->raise();
    dataEntry_->activateWindow();
  }
  canvas.AutoRedraw = false;
  move(TwipsToPx(kPlotWindowLeftTwips), y());
  module_.introStage = 3;
}

void Form1::keyPressEvent(QKeyEvent* event) {
  // A plain window has no default or cancel button of its own: Enter presses Next and Esc
  // presses Exit while they are there to press.
  const int key = event->key();
  QPushButton* target = nullptr;
  if (key == Qt::Key_Return || key == Qt::Key_Enter) target = defaultButton_;
  if (key == Qt::Key_Escape) target = btnExit_;
  if (target != nullptr && target->isVisible() && target->isEnabled()) {
    target->click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exitRequested();
}

void Form1::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutCanvas();
}

}  // namespace tarnwick
