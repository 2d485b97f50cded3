#include "browser/site_pages.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include "browser/site_address.h"

namespace tarnwick {
namespace {

// Where the module's resources keep the site, one folder per path of the site.
constexpr char kResourceRoot[] = ":/tarnwick/site";

QByteArray MimeTypeOf(const QString& path) {
  if (path.endsWith(".html")) return "text/html;charset=utf-8";
  if (path.endsWith(".css")) return "text/css;charset=utf-8";
  if (path.endsWith(".svg")) return "image/svg+xml";
  return QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8();
}

SitePage NotFound(const QUrl& address) {
  SitePage page;
  page.mimeType = MimeTypeOf(".html");
  // Linked from within the site, so that the links hold whatever scheme serves it.
  page.body =
      MessagePage("Page not found", "The details site has no page at " + address.toString() + ".",
                  QUrl(DetailsHomeUrl().path()));
  return page;
}

}  // namespace

SitePage FindSitePage(const QUrl& address) {
  const QString path = address.path(QUrl::FullyDecoded);
  if (!IsSiteHost(address) || !path.startsWith('/') || path.split('/').contains("..")) {
    return NotFound(address);
  }
  QString resource = kResourceRoot + path;
  if (QFileInfo(resource).isDir()) {
    if (!path.endsWith('/')) {
      SitePage page;
      page.redirect = address;
      page.redirect.setPath(path + '/');
      return page;
    }
    resource += "index.html";
  }
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) return NotFound(address);
  SitePage page;
  page.mimeType = MimeTypeOf(resource);
  page.body = file.readAll();
  page.found = true;
  return page;
}

QByteArray MessagePage(const QString& title, const QString& text, const QUrl& detailsPage) {
  const QString escapedTitle = title.toHtmlEscaped();
  const QString html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<title>" +
      escapedTitle + "</title>\n<link rel=\"stylesheet\" href=\"" +
      detailsPage.resolved(QUrl("style.css")).toString() + "\">\n</head>\n<body>\n<h1>" +
      escapedTitle + "</h1>\n<p>" + text.toHtmlEscaped() + "</p>\n<p><a href=\"" +
      detailsPage.toString() + "\">The details page</a></p>\n</body>\n</html>\n";
  return html.toUtf8();
}

}  // namespace tarnwick
