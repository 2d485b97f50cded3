#pragma once

#include <QTimer>
#include <functional>

#include "browser/web_engine.h"

class QWebEnginePage;
class QWebEngineProfile;
class QWebEngineView;

namespace tarnwick {

// The details browser's engine: Chromium through QWebEngineView, on a private in-memory profile
// (the program keeps nothing on disk) that serves the bundled details site.
class WebEngineView : public WebEngine {
  Q_OBJECT

 public:
  explicit WebEngineView(QWidget* parent = nullptr);
  ~WebEngineView() override;

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
  // Makes a request of the engine, which counts as busy from then on until it answers.
  void Request(const std::function<void()>& ask);
  void OnLoadStarted();
  void OnLoadFinished();
  void OnUrlChanged();
  // Goes back when the engine has committed a page it may not show; true if it had.
  bool LeaveForbiddenPage();

  QWebEngineProfile* profile_;
  QWebEngineView* view_;
  QWebEnginePage* page_;
  // Chromium reports a load as started a little after it was asked for one; in between, the
  // window's busy poll must already see the engine as busy.
  bool requested_ = false;
  bool loading_ = false;
  bool insideRequest_ = false;
  QTimer requestWatchdog_;
};

}  // namespace tarnwick
