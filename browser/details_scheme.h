#pragma once

#include <QUrl>

class QWebEngineProfile;

namespace tarnwick {

// The bundled details site in the web engine. Pages are addressed as http://tarnwick.local/...,
// the form users see and type; requests to that host are redirected to the program's own URL
// scheme, whose handler serves them from the module's resources, so they load offline and never
// reach the network. That scheme is the engine's business: it is never shown, and never a place
// the user can type or a page can link to by itself.

// Registers the program's scheme with the engine. Must run before the first engine object exists.
void RegisterDetailsScheme();

// Makes the profile serve the details site and keeps its requests off local files and the
// toolkit's resources.
void ServeDetailsSite(QWebEngineProfile* profile);

// Whether the engine may show `engineUrl` as a page or frame: the web, and the site's own pages
// as the redirect serves them.
bool EngineMayShow(const QUrl& engineUrl);

// The address to show for an engine address: the site's pages in their http form.
QUrl DisplayedUrl(const QUrl& engineUrl);

// Whether `text` (a page title, say) is the engine's own rendering of `engineUrl`, which it uses
// as the title of a page that has none.
bool IsEngineFormOf(const QString& text, const QUrl& engineUrl);

}  // namespace tarnwick
