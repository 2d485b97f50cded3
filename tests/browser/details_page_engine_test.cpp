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

  void pathsOutsideTheSiteAreRefused() {
    Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    TypeAddress(browser, "tarnwick.local/details/no-such-page.html");
    QTRY_COMPARE_WITH_TIMEOUT(browser.cboAddress->itemText(0),
                              "http://tarnwick.local/details/no-such-page.html", kPageTimeout);
    QTRY_VERIFY_WITH_TIMEOUT(!browser.timTimer->isActive(), kPageTimeout);
    QVERIFY(browser.windowTitle() != kDetailsTitle);
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
