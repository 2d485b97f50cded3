#include "browser/details_scheme.h"

#include <QBuffer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include "browser/site_address.h"
#include "browser/site_pages.h"

namespace tarnwick {
namespace {

constexpr char kSiteScheme[] = "tarnwick-site";

bool IsSitePage(const QUrl& url) {
  return url.scheme() == kSiteScheme && IsSiteHost(url);
}

// Sends the site's http addresses to the program's scheme before any network lookup happens,
// and lets no request reach local files or the toolkit's resources, whoever makes it.
class SiteRedirector : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    if (IsWebAddress(url) && IsSiteHost(url)) {
      QUrl served = url;
      served.setScheme(kSiteScheme);
      served.setPort(-1);
      info.redirect(served);
      return;
    }
    const QString scheme = url.scheme();
    if (scheme == "file" || scheme == "qrc" || (scheme == kSiteScheme && !IsSiteHost(url))) {
      info.block(true);
    }
  }
};

// Serves the site from the resources compiled into this module.
class SiteHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QUrl url = job->requestUrl();
    SitePage page = FindSitePage(DisplayedUrl(url));
    if (page.redirect.isValid()) {
      QUrl served = page.redirect;
      served.setScheme(kSiteScheme);
      job->redirect(served);
      return;
    }
    auto* body = new QBuffer(job);
    body->setData(page.body);
    job->reply(page.mimeType, body);
  }
};

}  // namespace

void RegisterDetailsScheme() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  QWebEngineUrlScheme scheme(kSiteScheme);
  scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
  scheme.setDefaultPort(QWebEngineUrlScheme::PortUnspecified);
  // Secure only: a scheme marked local may not be the target of a redirect from http.
  scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
  QWebEngineUrlScheme::registerScheme(scheme);
}

void ServeDetailsSite(QWebEngineProfile* profile) {
  profile->setUrlRequestInterceptor(new SiteRedirector(profile));
  profile->installUrlSchemeHandler(kSiteScheme, new SiteHandler(profile));
}

bool EngineMayShow(const QUrl& engineUrl) {
  return IsWebAddress(engineUrl) || IsSitePage(engineUrl);
}

QUrl DisplayedUrl(const QUrl& engineUrl) {
  if (!IsSitePage(engineUrl)) return engineUrl;
  QUrl shown = engineUrl;
  shown.setScheme("http");
  return shown;
}

bool IsEngineFormOf(const QString& text, const QUrl& engineUrl) {
  // With its scheme, or without it as the engine writes web addresses.
  return text == engineUrl.toString() || text == engineUrl.toString(QUrl::RemoveScheme).mid(2);
}

}  // namespace tarnwick
