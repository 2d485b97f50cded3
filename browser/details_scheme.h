#pragma once

#include <QUrl>

class QWebEngineProfile;

namespace tarnwick {

// The bundled details site. Pages are addressed as http://tarnwick.local/..., the form users see
// and type; requests to that host are redirected to the program's own URL scheme, whose handler
// serves them from the module's resources, so they load offline and never reach the network.

// Registers the program's scheme with the engine. Must run before the first engine object exists.
void RegisterDetailsScheme();

// Makes the profile serve the details site.
void ServeDetailsSite(QWebEngineProfile* profile);

QUrl DetailsHomeUrl();
QUrl DetailsSearchUrl();

// The address to show for an engine address: pages of the program's scheme in their http form.
QUrl DisplayedUrl(const QUrl& engineUrl);

}  // namespace tarnwick
