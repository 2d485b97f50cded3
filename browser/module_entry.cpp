#include "browser/module_entry.h"

#include <QCoreApplication>
#include <QString>

#include "browser/details_browser_host.h"
#if TARNWICK_WITH_WEB_ENGINE
#include "browser/web_engine_view.h"
using DetailsEngine = tarnwick::WebEngineView;
#else
#include "browser/text_browser_engine.h"
using DetailsEngine = tarnwick::TextBrowserEngine;
#endif

namespace {

tarnwick::DetailsBrowserHost* host = nullptr;

tarnwick::DetailsBrowserHost& Host() {
  if (!host) {
    host = new tarnwick::DetailsBrowserHost([] { return new DetailsEngine; });
    // The engine must release its pages while the application still exists; a static destructor
    // would run too late.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] {
      delete host;
      host = nullptr;
    });
  }
  return *host;
}

}  // namespace

void tarnwick_details_browser_show(const char* address) {
  Host().Show(QString::fromUtf8(address));
}

void tarnwick_details_browser_close() {
  if (host) host->Close();
}
