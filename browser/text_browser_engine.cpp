#include "browser/text_browser_engine.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "browser/site_address.h"
#include "browser/site_pages.h"

namespace tarnwick {
namespace {

QUrl WithoutFragment(const QUrl& url) {
  return url.adjusted(QUrl::RemoveFragment);
}

// Takes every document, picture and style sheet from the details site; whatever lies outside it
// gets a page that says so, and pictures from outside are left out.
class SiteTextBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    const bool document = type == QTextDocument::HtmlResource;
    if (!IsSiteHost(name) || !IsWebAddress(name)) {
      if (!document) return {};
      return MessagePage("This page cannot be shown",
                         "This details browser shows only the program's own details site, and " +
                             name.toString() +
                             " is not part of it. Open it in a web browser to see it.",
                         DetailsHomeUrl());
    }
    const SitePage page = FindSitePage(name);
    if (!document || page.mimeType.startsWith("text/html")) return page.body;
    // A picture or a style sheet of the site asked for as a page: shown as what it is.
    if (page.mimeType.startsWith("image/")) {
      return QString("<html><head><title>%1</title></head><body><img src=\"%1\"></body></html>")
          .arg(name.toString().toHtmlEscaped());
    }
    return QString("<html><head><title>%1</title></head><body><pre>%2</pre></body></html>")
        .arg(name.toString().toHtmlEscaped(), QString::fromUtf8(page.body).toHtmlEscaped());
  }
};

}  // namespace

TextBrowserEngine::TextBrowserEngine(QWidget* parent) : WebEngine(parent) {
  view_ = new SiteTextBrowser(this);
  // Links are followed by this engine, so that they go only where typed addresses may go.
  view_->setOpenLinks(false);
  setFocusProxy(view_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(view_);
  requestTimer_.setSingleShot(true);
  requestTimer_.setInterval(0);
  connect(&requestTimer_, &QTimer::timeout, this, [this] {
    const auto step = std::move(pending_);
    pending_ = nullptr;
    if (step) step();
  });
  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    const QUrl target = view_->source().resolved(link);
    if (IsWebAddress(target)) Request([this, target] { Show(target); });
  });
}

bool TextBrowserEngine::Navigate(const QString& address) {
  const QUrl url = AddressToLoad(address);
  if (url.isEmpty()) return false;
  Request([this, url] { Show(url); });
  return true;
}

bool TextBrowserEngine::GoBack() {
  if (!view_->isBackwardAvailable()) return false;
  Request([this] {
    const QUrl before = view_->source();
    view_->backward();
    Completed(before);
  });
  return true;
}

bool TextBrowserEngine::GoForward() {
  if (!view_->isForwardAvailable()) return false;
  Request([this] {
    const QUrl before = view_->source();
    view_->forward();
    Completed(before);
  });
  return true;
}

bool TextBrowserEngine::GoHome() {
  Request([this] { Show(DetailsHomeUrl()); });
  return true;
}

bool TextBrowserEngine::GoSearch() {
  Request([this] { Show(DetailsSearchUrl()); });
  return true;
}

bool TextBrowserEngine::Refresh() {
  if (view_->source().isEmpty()) return false;
  Request([this] {
    view_->reload();
    Completed({});
  });
  return true;
}

bool TextBrowserEngine::Stop() {
  requestTimer_.stop();
  pending_ = nullptr;
  return true;
}

QString TextBrowserEngine::LocationName() const {
  const QString title = view_->documentTitle();
  return title.isEmpty() ? LocationURL() : title;
}

QString TextBrowserEngine::LocationURL() const {
  return view_->source().toString();
}

bool TextBrowserEngine::Busy() const {
  return static_cast<bool>(pending_);
}

void TextBrowserEngine::Request(std::function<void()> step) {
  // A newer request replaces one not yet carried out, as a new load stops the one under way.
  pending_ = std::move(step);
  requestTimer_.start();
}

void TextBrowserEngine::Show(const QUrl& address) {
  QUrl target = address;
  if (IsSiteHost(target)) {
    const SitePage page = FindSitePage(target);
    if (page.redirect.isValid()) target = page.redirect;
  }
  const QUrl before = view_->source();
  view_->setSource(target, QTextDocument::HtmlResource);
  Completed(before);
}

void TextBrowserEngine::Completed(const QUrl& before) {
  emit NavigateComplete();
  // A jump within the page loads nothing.
  if (before.isEmpty() || WithoutFragment(before) != WithoutFragment(view_->source())) {
    emit DownloadComplete();
  }
}

}  // namespace tarnwick
