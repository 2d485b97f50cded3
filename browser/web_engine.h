#pragma once

#include <QString>
#include <QWidget>

namespace tarnwick {

// What the details browser window needs from a web engine, and nothing more. The window's rules
// depend only on this, so they can be exercised with a scripted engine and no Chromium at all.
// The engine is itself the page area: the window places and sizes it like any other control.
class WebEngine : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // The commands return false when the engine refuses them (no history in that direction, an
  // address it cannot parse). The window ignores that on purpose: a refused command simply leaves
  // the current page as it is, and the busy poll restores the caption.
  virtual bool Navigate(const QString& address) = 0;
  virtual bool GoBack() = 0;
  virtual bool GoForward() = 0;
  virtual bool GoHome() = 0;
  virtual bool GoSearch() = 0;
  virtual bool Refresh() = 0;
  virtual bool Stop() = 0;

  // The engine's name for the current page (its title, or its address when it has none).
  virtual QString LocationName() const = 0;
  // The current top-level address in its full form, e.g. with the scheme the engine added.
  virtual QString LocationURL() const = 0;
  // True from a navigation request until its page has finished loading or failed.
  virtual bool Busy() const = 0;

 signals:
  // A page, or an error page in its place, has finished loading.
  void DownloadComplete();
  // A top-level navigation has been committed; LocationURL now reports its address.
  void NavigateComplete();
};

}  // namespace tarnwick
