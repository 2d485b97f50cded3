#include "browser/site_address.h"

#include "browser/details_address.h"

namespace tarnwick {

QUrl DetailsHomeUrl() {
  return QUrl(QString("http://") + kSiteHost + "/details/");
}

QUrl DetailsSearchUrl() {
  return DetailsHomeUrl().resolved(QUrl("topics.html"));
}

bool IsSiteHost(const QUrl& url) {
  return url.host().compare(kSiteHost, Qt::CaseInsensitive) == 0;
}

bool IsWebAddress(const QUrl& url) {
  return url.isValid() && !url.host().isEmpty() &&
         (url.scheme() == "http" || url.scheme() == "https");
}

QUrl AddressToLoad(const QString& typed) {
  const QUrl url = QUrl::fromUserInput(typed.trimmed());
  return IsWebAddress(url) ? url : QUrl();
}

}  // namespace tarnwick
