#pragma once

#include <QString>
#include <QUrl>

namespace tarnwick {

// Where the details browser may go, whatever engine draws the pages: the bundled details site
// and the web (http and https). Local files, the toolkit's resources, inline documents, scripts
// as addresses and the engine's own pages stay out of reach, so the window cannot be turned into
// a file viewer or shown the engine's internals.

// The site's pages, in the http form users see and type.
QUrl DetailsHomeUrl();
QUrl DetailsSearchUrl();

bool IsSiteHost(const QUrl& url);
bool IsWebAddress(const QUrl& url);

// The address to load for what was typed or picked in the address box, completed the way
// browsers do ("tarnwick.local/details/" is http://tarnwick.local/details/); an empty address
// when the browser does not go there, and then nothing is loaded.
QUrl AddressToLoad(const QString& typed);

}  // namespace tarnwick
