#include "browser/details_browser_host.h"

#include "browser/frm_browser.h"
#include "browser/web_engine.h"

namespace tarnwick {

DetailsBrowserHost::DetailsBrowserHost(EngineFactory makeEngine)
    : makeEngine_(std::move(makeEngine)) {}

DetailsBrowserHost::~DetailsBrowserHost() {
  delete window_;
}

void DetailsBrowserHost::Show(const QString& address) {
  // A window the user closed is deleted only once the event loop gets back to it, which in the
  // middle of a run is not before the run ends. Shown again meanwhile, it would vanish under the
  // user's eyes; the press loads a fresh window instead and leaves the closed one to its end.
  if (window_ && window_->IsLoaded() && window_->isHidden()) window_ = nullptr;
  if (!window_) window_ = new frmBrowser(makeEngine_());
  window_->StartingAddress = address;
  window_->ShowWindow();
}

void DetailsBrowserHost::Close() {
  // Deleted at once rather than on close: this is also the program's way out, and the event loop
  // may not run again to finish a deferred deletion.
  delete window_;
}

}  // namespace tarnwick
