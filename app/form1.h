#pragma once

#include <QWidget>

#include "canvas/canvas.h"
#include "sim/scenario.h"

class QLabel;
class QPushButton;

namespace tarnwick {

class CanvasWidget;

// The main window: first a page of introductory text with Next and Exit, then, after Next,
// the side view of the sky on which every run is drawn.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // Builds the window and prints its opening page; the window is not shown yet.
  explicit Form1(Module1& module, QWidget* parent = nullptr);

  // The window that Next brings to the front.
  void SetDataEntryWindow(QWidget* dataEntry) { dataEntry_ = dataEntry; }

  Canvas& PlotCanvas();
  CanvasWidget* CanvasView() const { return canvas_; }

  // The Next button: on the opening page it turns the window into the plot canvas; after that
  // it only brings the data entry window to the front again.
  void btnNext_Click();
  bool ShowsPlot() const { return module_.introStage == 3; }

 signals:
  void exitRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LayOutCanvas();

  Module1& module_;
  CanvasWidget* canvas_;
  QLabel* label1_;
  QLabel* label2_;
  QPushButton* btnNext_;
  QPushButton* btnExit_;
  QPushButton* defaultButton_ = nullptr;
  QWidget* dataEntry_ = nullptr;
};

}  // namespace tarnwick
