#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QEvent;
class QMenu;

namespace tarnwick {

class Canvas;
class CanvasWidget;

// The panel's text as it reads on screen: its printed pieces put together line by line, blank
// lines kept between them, none before or after.
QString CanvasText(const Canvas& canvas);

// "Save Plot As..." on the context menu of the main window's plot: PNG or SVG, drawn by the
// same painter as the window, at the window's size, in its colours and font.
class PlotContextMenu : public QObject {
 public:
  // Attaches itself to `plot` and lives as long as it does. `showsPlot` tells whether the
  // window shows the plot yet (before Next it shows the opening page, which is not saved).
  PlotContextMenu(CanvasWidget& plot, std::function<bool()> showsPlot);

  // The menu as it would pop up now; the caller owns it.
  QMenu* BuildMenu(QWidget* parent) const;
  // What the menu entry does; returns false when nothing was saved.
  bool SaveAs() const;
  // Whether there is a plot to save (the entry is enabled).
  bool CanSave() const;
  bool SaveTo(const QString& path) const;

  // Asked for the file name (empty when cancelled) and told of a failure; the defaults are the
  // standard dialogs, tests replace them so nothing modal ever waits for a click.
  std::function<QString(QWidget* parent)> askFileName;
  std::function<void(QWidget* parent, const QString& message)> showError;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CanvasWidget& plot_;
  std::function<bool()> showsPlot_;
};

// "Copy Results" on the context menu of the results panel: its lines to the clipboard.
class ResultsContextMenu : public QObject {
 public:
  explicit ResultsContextMenu(CanvasWidget& results);

  QMenu* BuildMenu(QWidget* parent) const;
  void CopyResults() const;
  // Whether the panel holds any results (the entry is enabled).
  bool CanCopy() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CanvasWidget& results_;
};

}  // namespace tarnwick
