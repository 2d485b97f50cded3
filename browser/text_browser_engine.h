#pragma once

#include <QTimer>
#include <QUrl>
#include <functional>

#include "browser/web_engine.h"

class QTextBrowser;

namespace tarnwick {

// The details browser's engine in a build without a web engine: Qt's own rich-text browser,
// which shows the bundled details site from the module's resources and, for any other address,
// a page saying that it cannot show it. It loads nothing from the network and runs no scripts.
// Requests are carried out from the event loop, as a web engine does, so the window's busy poll
// and its notifications see the same order of events with either engine.
class TextBrowserEngine : public WebEngine {
  Q_OBJECT

 public:
  explicit TextBrowserEngine(QWidget* parent = nullptr);

  bool Navigate(const QString& address) override;
  bool GoBack() override;
  bool GoForward() override;
  bool GoHome() override;
  bool GoSearch() override;
  bool Refresh() override;
  bool Stop() override;
  QString LocationName() const override;
  QString LocationURL() const override;
  bool Busy() const override;

 private:
  // Queues `step`, which changes the page; the engine is busy until it has run.
  void Request(std::function<void()> step);
  void Show(const QUrl& address);
  void Completed(const QUrl& before);

  QTextBrowser* view_;
  QTimer requestTimer_;
  std::function<void()> pending_;
};

}  // namespace tarnwick
