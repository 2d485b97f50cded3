#include "browser/details_command.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QOpenGLContext>
#include <QScopeGuard>
#include <QStringList>
#include <cstdio>

#include "browser/details_address.h"
#include "browser/module_entry.h"

// Qt's own hook for the application-wide shared graphics context (exported by QtGui, not public).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace tarnwick {
namespace {

using ShowFunction = void (*)(const char*);
using CloseFunction = void (*)();

struct DetailsModule {
  ShowFunction show = nullptr;
  CloseFunction close = nullptr;
};

DetailsModule loaded;

// The engine draws through OpenGL and must share its contexts with the application's. Qt creates
// the shared context at start when told to before the application exists, but that costs every
// start 150 to 250 ms on these machines even if the details are never opened; and without it an
// engine started later crashes on a display with OpenGL. So it is created here, on first use,
// before the engine is loaded. Where no OpenGL is to be had (offscreen, a display without GL)
// the context cannot be created, but it is shared all the same: the engine then draws without
// OpenGL, yet still reads the shared context's format and crashes if there is none.
void ShareGraphicsContextWithTheEngine() {
  if (QOpenGLContext::globalShareContext()) return;
  auto* context = new QOpenGLContext;
  context->create();
  // Lives as long as the process, like the engine that uses it.
  qt_gl_set_global_share_context(context);
}

// The module is loaded only when the details are first asked for: the web engine it brings costs
// every start time and memory otherwise, and most sessions never open the details.
QString LoadDetailsModule() {
  if (loaded.show) return {};
  ShareGraphicsContextWithTheEngine();
  // Where an installed program keeps it, then next to the executable as in the build tree. Both
  // are relative to the executable, so a moved installation still finds its own module.
  const QString programDir = QCoreApplication::applicationDirPath();
  const QStringList candidates = {
      programDir + "/" TARNWICK_BROWSER_MODULE_DIR_FROM_BINDIR "/" TARNWICK_BROWSER_MODULE_NAME,
      programDir + "/" TARNWICK_BROWSER_MODULE_NAME};
  QString errors;
  for (const QString& path : candidates) {
    QLibrary module(path);
    if (!module.load()) {
      errors += module.errorString() + "\n";
      continue;
    }
    // Never unloaded: Chromium cannot be restarted within one process.
    loaded.show = reinterpret_cast<ShowFunction>(module.resolve(kDetailsBrowserShowSymbol));
    loaded.close = reinterpret_cast<CloseFunction>(module.resolve(kDetailsBrowserCloseSymbol));
    if (loaded.show && loaded.close) return {};
    loaded = {};
    errors += module.errorString() + "\n";
  }
  return errors.trimmed();
}

void ReportMissingModule(const QString& errors) {
  std::fprintf(stderr, "tarnwick: the details browser could not be loaded:\n%s\n",
               qPrintable(errors));
  // Not modal: the rest of the program stays usable, and nothing waits on the user's answer.
  auto* box = new QMessageBox(QMessageBox::Warning, "Tarnwick",
                              "The details browser could not be started.", QMessageBox::Ok);
  box->setDetailedText(errors);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setModal(false);
  box->show();
}

}  // namespace

void PrepareDetailsBrowserEngine() {
  // Chromium refuses to start its sandbox as root, and without the sandbox it refuses to start
  // at all unless told so. Only then, and only for this process, is the sandbox given up. A
  // build without the web engine has no Chromium and no sandbox to speak of.
  if (TARNWICK_WITH_WEB_ENGINE && geteuid() == 0) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    std::fputs(
        "tarnwick: running as root, so the details browser runs without Chromium's sandbox\n",
        stderr);
  }
}

void ShowDetailsBrowser() {
  // The first press loads the engine, which takes about a second: show that something happens.
  const bool firstPress = !loaded.show;
  if (firstPress) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  const auto restoreCursor = qScopeGuard([firstPress] {
    if (firstPress) QGuiApplication::restoreOverrideCursor();
  });
  const QString errors = LoadDetailsModule();
  if (!errors.isEmpty()) {
    ReportMissingModule(errors);
    return;
  }
  loaded.show(kDetailsPageAddress);
}

void CloseDetailsBrowser() {
  // Never opened means never loaded: nothing to close, and no reason to load the engine now.
  if (loaded.close) loaded.close();
}

}  // namespace tarnwick
