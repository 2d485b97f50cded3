#include "browser/web_engine_view.h"

#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "browser/details_scheme.h"
#include "browser/site_address.h"

namespace tarnwick {
namespace {

// A request the engine silently drops (a reload of an empty page, say) never starts a load; after
// this long the engine stops counting as busy.
constexpr int kUnansweredRequestMilliseconds = 3000;

// Goes only where the details browser may go, however the page was asked for: typed, a link, a
// script, a form, a redirect or the history. Anything else is dropped and the page stays.
class GuardedPage : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool) override {
    return EngineMayShow(url);
  }
};

}  // namespace

WebEngineView::WebEngineView(QWidget* parent) : WebEngine(parent) {
  RegisterDetailsScheme();
  profile_ = new QWebEngineProfile(this);
  ServeDetailsSite(profile_);
  view_ = new QWebEngineView(this);
  page_ = new GuardedPage(profile_, view_);
  // A page of the web has no business with this machine's files, whatever it was loaded from.
  page_->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
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
  // Refused before the engine sees it: an address the engine drops starts no load that would
  // end the busy state, and the poll would wait for it.
  const QUrl url = AddressToLoad(address);
  if (url.isEmpty()) return false;
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
  // A page without a title gets its address from the engine, in the engine's own form.
  const QString title = page_->title();
  return title.isEmpty() || IsEngineFormOf(title, page_->url()) ? LocationURL() : title;
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

bool WebEngineView::LeaveForbiddenPage() {
  // The engine commits an empty document (about:blank) that a script asks for without asking
  // the page first; it is left for the page it replaced before anyone sees it.
  const QUrl url = page_->url();
  if (url.isEmpty() || EngineMayShow(url)) return false;
  if (page_->history()->canGoBack()) {
    page_->history()->back();
  } else {
    page_->load(DetailsHomeUrl());
  }
  return true;
}

void WebEngineView::OnLoadFinished() {
  loading_ = false;
  if (LeaveForbiddenPage()) return;
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
  if (LeaveForbiddenPage()) return;
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
