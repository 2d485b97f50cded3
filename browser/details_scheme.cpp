#include "browser/details_scheme.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace tarnwick {
namespace {

constexpr char kSiteHost[] = "tarnwick.local";
constexpr char kSiteScheme[] = "tarnwick-site";
constexpr char kResourceRoot[] = ":/tarnwick/site";

bool IsSiteHost(const QUrl& url) {
  return url.host().compare(kSiteHost, Qt::CaseInsensitive) == 0;
}

// Sends the site's http addresses to the program's scheme before any network lookup happens.
class SiteRedirector : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QUrl url = info.requestUrl();
    if ((url.scheme() == "http" || url.scheme() == "https") && IsSiteHost(url)) {
      QUrl served = url;
      served.setScheme(kSiteScheme);
      served.setPort(-1);
      info.redirect(served);
    }
  }
};

QString MimeTypeOf(const QString& path) {
  if (path.endsWith(".html")) return "text/html;charset=utf-8";
  if (path.endsWith(".css")) return "text/css;charset=utf-8";
  if (path.endsWith(".svg")) return "image/svg+xml";
  return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name();
}

// Serves the site from the resources compiled into this module.
class SiteHandler : public QWebEngineUrlSchemeHandler {
 public:
  using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

  void requestStarted(QWebEngineUrlRequestJob* job) override {
    const QUrl url = job->requestUrl();
    const QString path = url.path(QUrl::FullyDecoded);
    if (!IsSiteHost(url) || !path.startsWith('/') || path.split('/').contains("..")) {
      job->fail(QWebEngineUrlRequestJob::RequestDenied);
      return;
    }
    const QString resource = kResourceRoot + path;
    if (QFileInfo(resource).isDir()) {
      if (!path.endsWith('/')) {
        // Without its slash a folder's page resolves its relative links one level too high, and
        // the engine would offer the folder as a download.
        QUrl withSlash = url;
        withSlash.setPath(path + '/');
        job->redirect(withSlash);
        return;
      }
      Reply(job, resource + "index.html");
      return;
    }
    Reply(job, resource);
  }

 private:
  static void Reply(QWebEngineUrlRequestJob* job, const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly)) {
      job->fail(QWebEngineUrlRequestJob::UrlNotFound);
      return;
    }
    auto* body = new QBuffer(job);
    body->setData(file.readAll());
    job->reply(MimeTypeOf(resource).toUtf8(), body);
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

QUrl DetailsHomeUrl() {
  return QUrl(QString("http://") + kSiteHost + "/details/");
}

QUrl DetailsSearchUrl() {
  return QUrl(QString("http://") + kSiteHost + "/details/topics.html");
}

QUrl DisplayedUrl(const QUrl& engineUrl) {
  if (engineUrl.scheme() != kSiteScheme) return engineUrl;
  QUrl shown = engineUrl;
  shown.setScheme("http");
  return shown;
}

}  // namespace tarnwick
