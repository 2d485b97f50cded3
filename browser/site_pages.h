#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace tarnwick {

// What the details site answers for one of its addresses, whichever engine asks.
struct SitePage {
  // Set when the address names a folder without its slash: without it, the folder's page would
  // resolve its relative links one level too high. The body is then empty.
  QUrl redirect;
  QByteArray mimeType;
  QByteArray body;
  bool found = false;
};

// The page at `address`, an address of the site in its http form. A path that names no page of
// the site gets a page of the site's own saying so, which names the address as the user knows it.
SitePage FindSitePage(const QUrl& address);

// A short page of the site's own look, with `title` as its title and heading and `text` (plain
// text) below; it links back to `detailsPage` and takes its style sheet from next to it.
QByteArray MessagePage(const QString& title, const QString& text, const QUrl& detailsPage);

}  // namespace tarnwick
