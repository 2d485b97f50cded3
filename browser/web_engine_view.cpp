#include "browser/web_engine_view.h"

#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "browser/details_scheme.h"

namespace tarnwick {
namespace {

// A request the engine silently drops (a reload of an empty page, say) never starts a load; after
// this long the engine stops counting as busy.
constexpr int kUnansweredRequestMilliseconds = 3000;

}  // namespace

WebEngineView::WebEngineView(QWidget* parent) : WebEngine(parent) {
  RegisterDetailsScheme();
  profile_ = new QWebEngineProfile(this);
  ServeDetailsSite(profile_);
  view_ = new QWebEngineView(this);
  page_ = new QWebEnginePage(profile_, view_);
  view_->setPage(page_);
  setFocusProxy(view_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);

  requestWatchdog_.setSingleShot(true);
  requestWatchdog_.setInterval(kUnansweredRequestMilliseconds);
  connect(&requestWatchdog_, &QTimer::timeout, this, [this] { requested_ = false; });
  connect(page_, &QWebEnginePage::loadStarted, this, &WebEngineView::OnLoadStarted);
  connect(page_, &QWebEnginePage::loadFinished, this, &WebEngineView::OnLoadFinished);
  connect(page_, &QWebEnginePage::urlChanged, this, &WebEngineView::OnUrlChanged);
}

WebEngineView::~WebEngineView() {
  // The page must go before the profile it was made with.
  delete view_;
}

bool WebEngineView::Navigate(const QString& address) {
  const QUrl url = QUrl::fromUserInput(address.trimmed());
  if (!url.isValid() || url.isEmpty()) return false;
  Request([&] { page_->load(url); });
  return true;
}

bool WebEngineView::GoBack() {
  if (!page_->history()->canGoBack()) return false;
  Request([this] { page_->history()->back(); });
  return true;
}

bool WebEngineView::GoForward() {
  if (!page_->history()->canGoForward()) return false;
  Request([this] { page_->history()->forward(); });
  return true;
}

bool WebEngineView::GoHome() {
  Request([this] { page_->load(DetailsHomeUrl()); });
  return true;
}

bool WebEngineView::GoSearch() {
  Request([this] { page_->load(DetailsSearchUrl()); });
  return true;
}

bool WebEngineView::Refresh() {
  if (page_->url().isEmpty()) return false;
  Request([this] { page_->triggerAction(QWebEnginePage::Reload); });
  return true;
}

bool WebEngineView::Stop() {
  requested_ = false;
  requestWatchdog_.stop();
  page_->triggerAction(QWebEnginePage::Stop);
  return true;
}

QString WebEngineView::LocationName() const {
  const QString title = page_->title();
  return title.isEmpty() ? LocationURL() : title;
}

QString WebEngineView::LocationURL() const {
  return DisplayedUrl(page_->url()).toString();
}

bool WebEngineView::Busy() const {
  return requested_ || loading_;
}

void WebEngineView::OnLoadStarted() {
  requested_ = false;
  requestWatchdog_.stop();
  loading_ = true;
}

void WebEngineView::OnLoadFinished() {
  loading_ = false;
  // Chromium reports each load's end once, error pages and stopped loads included; by then the
  // page's address is final, unlike the intermediate addresses urlChanged reports on the way.
  emit NavigateComplete();
  emit DownloadComplete();
}

void WebEngineView::OnUrlChanged() {
  // Outside a load, an address change is a jump within the page (a link to one of its sections,
  // or Back and Forward between them): it loads nothing and is complete at once. Chromium may
  // also report the requested address from inside the request itself; that one is not reached
  // yet.
  if (loading_ || insideRequest_) return;
  requested_ = false;
  requestWatchdog_.stop();
  emit NavigateComplete();
}

void WebEngineView::Request(const std::function<void()>& ask) {
  requested_ = true;
  requestWatchdog_.start();
  insideRequest_ = true;
  ask();
  insideRequest_ = false;
}

}  // namespace tarnwick
