#pragma once

#include <QPointer>
#include <QString>
#include <functional>

#include "browser/frm_browser.h"

namespace tarnwick {

class WebEngine;

// Keeps the program to one details browser window: the details command opens it, or brings the
// open one to the front; closing it unloads it, and the next command loads a fresh one.
class DetailsBrowserHost {
 public:
  using EngineFactory = std::function<WebEngine*()>;

  explicit DetailsBrowserHost(EngineFactory makeEngine);
  ~DetailsBrowserHost();

  // The details command: sets StartingAddress, then shows the window without blocking its caller.
  void Show(const QString& address);
  // Closes the window if it is open.
  void Close();

  frmBrowser* Window() const { return window_; }

 private:
  EngineFactory makeEngine_;
  QPointer<frmBrowser> window_;
};

}  // namespace tarnwick
