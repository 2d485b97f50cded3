// The details browser with the real web engine, offscreen: the bundled site must load offline
// from the details address, through the same entry points the data entry window uses.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "browser/details_command.h"
#include "real_engine_sanitizer_options.h"

namespace tarnwick {
namespace {

constexpr int kPageTimeout = 30000;
const QString kDetailsTitle = "Tarnwick Simulation: how the model works";
const QString kTopicsTitle = "Tarnwick Simulation: topics";

// The window lives in the late-loaded module, so it is reached the way a user sees it: by the
// names of its window and controls.
struct Browser {
  QWidget* window = nullptr;
  QComboBox* cboAddress = nullptr;
  QTimer* timTimer = nullptr;

  QString windowTitle() const { return window->windowTitle(); }
  void Press(const char* key) const { window->findChild<QAction*>(key)->trigger(); }
};

Browser OpenBrowser() {
  Browser browser;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmBrowser" && window->isVisible()) browser.window = window;
  }
  if (browser.window) {
    browser.cboAddress = browser.window->findChild<QComboBox*>("cboAddress");
    browser.timTimer = browser.window->findChild<QTimer*>("timTimer");
  }
  return browser;
}

QVariant Evaluate(const Browser& browser, const QString& script) {
  QVariant result;
  bool done = false;
  browser.window->findChild<QWebEngineView*>()->page()->runJavaScript(script,
                                                                      [&](const QVariant& value) {
                                                                        result = value;
                                                                        done = true;
                                                                      });
  if (!QTest::qWaitFor([&] { return done; }, kPageTimeout)) return {};
  return result;
}

void TypeAddress(const Browser& browser, const QString& address) {
  browser.cboAddress->setEditText(address);
  QTest::keyClick(browser.cboAddress, Qt::Key_Return);
}

void ShowDetailsPage(const Browser& browser) {
  browser.Press("Home");
  QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0), "http://tarnwick.local/details/",
                            kPageTimeout);
  QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
  QCOMPARE(browser.windowTitle(), kDetailsTitle);
}

// The scheme that serves the site inside the engine is not the user's to see: not in the
// caption, the address list or the page's own text.
bool InternalSchemeNowhereShown(const Browser& browser) {
  QString shown = browser.windowTitle() + Evaluate(browser, "document.body.innerText").toString();
  for (int i = 0; i < browser.cboAddress->count(); ++i) shown += browser.cboAddress->itemText(i);
  return !shown.contains("tarnwick-site", Qt::CaseInsensitive);
}

}  // namespace

class DetailsPageEngineTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanupTestCase() { CloseDetailsBrowser(); }

  void detailsPressShowsTheBundledPage() {
    ShowDetailsBrowser();
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kDetailsTitle, kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QCOMPARE(browser.cboAddress->count(), 2);
    QCOMPARE(browser.cboAddress->itemText(0), "http://tarnwick.local/details/");
    QCOMPARE(browser.cboAddress->itemText(1), "tarnwick.local/details/");
    // The figure comes from the same bundle; a broken image has no natural width.
    QTRY_VERIFY_WITH_TIMEOUT(
        Evaluate(browser, "document.querySelector('img').naturalWidth").toInt() > 0, kPageTimeout);
  }

  void searchBackAndHomeStayOnTheBundledSite() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    browser.Press("Search");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kTopicsTitle, kPageTimeout);
    QCOMPARE(browser.cboAddress->itemText(0), "http://tarnwick.local/details/topics.html");
    browser.Press("Back");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kDetailsTitle, kPageTimeout);
    QCOMPARE(browser.cboAddress->itemText(0), "http://tarnwick.local/details/");
    browser.Press("Search");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kTopicsTitle, kPageTimeout);
    browser.Press("Home");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kDetailsTitle, kPageTimeout);
  }

  void jumpsWithinThePageCompleteAtOnce() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    browser.Press("Home");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0), "http://tarnwick.local/details/",
                              kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    Evaluate(browser, "location.hash = 'limits'");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0),
                              "http://tarnwick.local/details/#limits", kPageTimeout);
    // Going back within the page loads nothing; the poll must not wait for a load that never comes.
    browser.Press("Back");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0), "http://tarnwick.local/details/",
                              kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), 1000);
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
  }

  void folderWithoutItsSlashIsRedirected() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    TypeAddress(browser, "tarnwick.local/details/topics.html");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kTopicsTitle, kPageTimeout);
    TypeAddress(browser, "tarnwick.local/details");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kDetailsTitle, kPageTimeout);
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0), "http://tarnwick.local/details/",
                              kPageTimeout);
  }

  void unreachableAddressLeavesTheWindowUsable() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    TypeAddress(browser, "nowhere.invalid/");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0), "http://nowhere.invalid/",
                              kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    browser.Press("Home");
    QTRY_COMPARE_WITH_TIMEOUT(browser.windowTitle(), kDetailsTitle, kPageTimeout);
  }

  // Only the site and the web: local files, the toolkit's resources, inline documents, scripts
  // as addresses, the engine's own pages and its internal scheme are refused when typed, and
  // the poll ends at its first tick since nothing is loading.
  void addressesOutsideTheWebAreRefusedWhenTyped_data() {
    QTest::addColumn<QString>("address");
    for (const char* address :
         {"file:///etc/hostname", "/etc/hostname", "qrc:/tarnwick/site/details/index.html",
          "data:text/html,<title>inline</title>", "javascript:document.title='script'",
          "chrome://version", "view-source:http://tarnwick.local/details/", "about:blank",
          "tarnwick-site://tarnwick.local/details/", "tarnwick-site://other.host/details/"}) {
      QTest::newRow(address) << QString(address);
    }
  }

  void addressesOutsideTheWebAreRefusedWhenTyped() {
    QFETCH(QString, address);
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    ShowDetailsPage(browser);
    int ticks = 0;
    const auto counter = QObject::connect(browser.timTimer, &QTimer::timeout, [&] { ++ticks; });
    TypeAddress(browser, address);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QObject::disconnect(counter);
    QCOMPARE(ticks, 1);
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    QCOMPARE(browser.cboAddress->itemText(0), "http://tarnwick.local/details/");
    QCOMPARE(Evaluate(browser, "location.href").toString(),
             "tarnwick-site://tarnwick.local/details/");
    QVERIFY(InternalSchemeNowhereShown(browser));
  }

  // The same addresses asked for by the page itself, by script or by a link it clicks: the page
  // stays where it is. A jump within the page afterwards shows that the engine went on.
  void addressesOutsideTheWebAreRefusedToThePage() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    ShowDetailsPage(browser);
    int jump = 0;
    for (const char* address : {"file:///etc/hostname", "qrc:/tarnwick/site/details/index.html",
                                "data:text/html,<title>inline</title>", "chrome://version",
                                "tarnwick-site://other.host/details/"}) {
      for (const char* how : {"location.href = '%1'",
                              "var a = document.createElement('a'); a.href = '%1'; "
                              "document.body.appendChild(a); a.click()"}) {
        Evaluate(browser, QString(how).arg(address) + "; 0");
        const QString after = QString("jump%1").arg(++jump);
        Evaluate(browser, "location.hash = '" + after + "'; 0");
        QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0),
                                  "http://tarnwick.local/details/#" + after, kPageTimeout);
        QCOMPARE(Evaluate(browser, "document.title").toString(), kDetailsTitle);
        QVERIFY2(InternalSchemeNowhereShown(browser), address);
      }
    }
  }

  // An empty document asked for by script is committed by the engine without asking; the
  // browser goes back to the page it replaced, and the empty one never reaches the list.
  void emptyDocumentAskedForByScriptIsLeftAtOnce() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    ShowDetailsPage(browser);
    QWebEnginePage* page = browser.window->findChild<QWebEngineView*>()->page();
    int loadsFinished = 0;
    const auto counter =
        QObject::connect(page, &QWebEnginePage::loadFinished, [&] { ++loadsFinished; });
    Evaluate(browser, "location.href = 'about:blank'; 0");
    // The empty document's load, then the details page's again.
    QTRY_VERIFY_WITH_TIMEOUT(loadsFinished >= 2, kPageTimeout);
    QObject::disconnect(counter);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QCOMPARE(page->url().toString(), "tarnwick-site://tarnwick.local/details/");
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    QCOMPARE(browser.cboAddress->itemText(0), "http://tarnwick.local/details/");
    QVERIFY(!browser.cboAddress->itemText(1).startsWith("about:"));
    QVERIFY(InternalSchemeNowhereShown(browser));
  }

  // A page without a title is named by its address, in the form the user knows.
  void untitledSitePageIsNamedByItsWebAddress() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    TypeAddress(browser, "tarnwick.local/details/style.css");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0),
                              "http://tarnwick.local/details/style.css", kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QCOMPARE(browser.windowTitle(), "http://tarnwick.local/details/style.css");
    QVERIFY(InternalSchemeNowhereShown(browser));
  }

  void pathsOutsideTheSiteAreRefused() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    TypeAddress(browser, "tarnwick.local/details/no-such-page.html");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0),
                              "http://tarnwick.local/details/no-such-page.html", kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QCOMPARE(browser.windowTitle(), "Page not found");
    QVERIFY(Evaluate(browser, "document.body.innerText")
                .toString()
                .contains("http://tarnwick.local/details/no-such-page.html"));
    QVERIFY(InternalSchemeNowhereShown(browser));
  }
};

}  // namespace tarnwick

int main(int argc, char** argv) {
  // As the program does: the engine's process settings come before the application.
  tarnwick::PrepareDetailsBrowserEngine();
  QApplication app(argc, argv);
  tarnwick::DetailsPageEngineTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "details_page_engine_test.moc"
